#include "inflow/input_read.h"

#include <climits>

#include "core/number_text.h"

namespace orvane::inflow {

bool ReadCountInput(RunFrame &frame, const InflowInputs &in, ControlName control, int limit,
                    std::string_view message, int &value) {
    int v = 0;
    if (!TryTextToInt(DigitsOnly(in.Text(control)), v) || v > limit) {
        frame.Warn(std::string(message), control);
        return false;
    }
    value = v;
    return true;
}

int ReadIntInput(const InflowInputs &in, ControlName control) {
    int v = 0;
    // guard: a digit string beyond 32 bits is the largest integer, never a wrapped one
    if (!TryTextToInt(DigitsOnly(in.Text(control)), v))
        v = INT_MAX;
    return v;
}

double ReadRealControl(const InflowInputs &in, ControlName control) {
    return ReadRealInput(in.Text(control));
}

std::string IntText(int v) {
    return std::to_string(v);
}

DuctInputs ReadDuctInputs(const InflowInputs &in, const DuctControls &controls) {
    DuctInputs duct;
    duct.SizeA = ReadRealControl(in, controls.SizeA);
    duct.SizeB = ReadRealControl(in, controls.SizeB);
    duct.Length = ReadRealControl(in, controls.Length);
    duct.IsRect = in.IsChecked(controls.Rectangular);
    duct.Roughness = ReadRealControl(in, controls.Roughness);
    duct.XiSum = ReadRealControl(in, controls.XiSum);
    return duct;
}

} // namespace orvane::inflow
