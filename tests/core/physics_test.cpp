#include "core/physics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace orvane;

namespace {

TEST(Physics, AirDensityAndSpecificWeightAreZeroAtAbsoluteZero) {
    struct Case {
        double t, rho, gamma;
    };
    const std::vector<Case> cases = {
        {-26, 1.4283, 14.012}, {18, 1.2124, 11.894}, {0, 1.2923, 12.678}};
    for (const auto &c : cases) {
        EXPECT_NEAR(AirDensity(c.t), c.rho, 5e-5) << c.t;
        EXPECT_NEAR(SpecificWeight(c.t), c.gamma, 5e-4) << c.t;
    }
    EXPECT_EQ(AirDensity(-273.15), 0);
    EXPECT_EQ(SpecificWeight(-273.15), 0);
}

TEST(Physics, WindPressureIsAQuarterOfTheCoefficientDifference) {
    EXPECT_DOUBLE_EQ(WindPressure(0.8, -0.6, 1.2, 5), 0.25 * 1.4 * 1.2 * 25);
    EXPECT_DOUBLE_EQ(WindPressure(0.8, 0.8, 1.2, 5), 0);
}

TEST(Physics, DuctSectionRectangularAndRound) {
    struct Case {
        bool rectangular;
        double A, B, F, De;
    };
    const std::vector<Case> cases = {
        {true, 800, 600, 0.48, 685.714285714},
        {false, 800, 600, 0.502654824574, 800},
        {true, 0, 0, 0, 0},
        {true, 500, 0, 0, 0},
        {false, 0, 100, 0, 0},
    };
    for (const auto &c : cases) {
        DuctSectionResult r = DuctSection(c.rectangular, c.A, c.B);
        EXPECT_NEAR(r.F, c.F, 1e-9) << c.A << "x" << c.B;
        EXPECT_NEAR(r.De, c.De, 1e-6) << c.A << "x" << c.B;
    }
}

TEST(Physics, ColebrookConvergesOnTheSquaredChange) {
    struct Case {
        double eps, D, Re, tolerance;
        int limit;
        double f;
        int passes;
    };
    const std::vector<Case> cases = {
        {0.1, 692.3, 1e5, 0.0001, 100, 0.018736, 5},
        {0.1, 692.3, 1e5, 0, 100, 0.018686, 3}, // tolerance 0 reads as 0.1
        {0.1, 692.3, 1e5, 0.0001, 1, 0, 2},     // limit used up: 0 after limit + 1 passes
        {0.1, 692.3, 0, 0.0001, 100, 0, 1},
        {0.1, 0, 1e5, 0.0001, 100, 0, 1},
        {-3000, 692.3, 1e5, 0.0001, 100, 0, 1}, // h not positive
    };
    for (const auto &c : cases) {
        int passes = -1;
        const double f = ColebrookLambda(c.eps, c.D, c.Re, c.tolerance, c.limit, &passes);
        EXPECT_NEAR(f, c.f, 5e-7) << c.Re << " " << c.tolerance;
        EXPECT_EQ(passes, c.passes) << c.Re << " " << c.tolerance;
    }
    // Limit 0 reads as 100.
    EXPECT_NEAR(ColebrookLambda(0.1, 692.3, 1e5, 0.0001, 0), 0.018736, 5e-7);
}

TEST(Physics, DuctNetworkLoss) {
    const DuctSectionResult s = DuctSection(true, 800, 600);
    const double rho = AirDensity(-26);
    const DuctLossResult r = DuctNetworkLoss(5, rho, s.F, s.De, 0.1, 20, 1.5);
    const double v = 5 / rho / 0.48;
    EXPECT_DOUBLE_EQ(r.v, v);
    EXPECT_DOUBLE_EQ(r.Pd, 0.5 * rho * v * v);
    EXPECT_DOUBLE_EQ(r.Re, v * s.De * 1000 / 11.82131208);
    EXPECT_DOUBLE_EQ(r.f, ColebrookLambda(0.1, s.De, r.Re, 0.0001, 100));
    EXPECT_GT(r.f, 0);
    EXPECT_DOUBLE_EQ(r.dPf, r.Pd * 1000 * r.f / s.De);
    EXPECT_DOUBLE_EQ(r.P, r.dPf * 20 + 1.5 * r.Pd);

    // guard: no section or no density means no flow, never a division by zero
    for (const DuctLossResult &z : {DuctNetworkLoss(5, rho, 0, 0, 0.1, 20, 1.5),
                                    DuctNetworkLoss(5, 0, 0.48, 685, 0.1, 20, 1.5)}) {
        EXPECT_EQ(z.v, 0);
        EXPECT_EQ(z.Pd, 0);
        EXPECT_EQ(z.f, 0);
        EXPECT_EQ(z.dPf, 0);
        EXPECT_EQ(z.P, 0);
    }
}

} // namespace
