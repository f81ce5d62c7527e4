#pragma once
// Air property of the tambour channel calculation.

namespace orvane::inflow {

// Kinematic viscosity of air at t °C in mm²/s (the channel Reynolds numbers multiply by 10⁶);
// 0 at or below absolute zero, where the power law has no real value.
double TmbrAirViscosity(double t);

} // namespace orvane::inflow
