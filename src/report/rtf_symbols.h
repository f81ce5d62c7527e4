#pragma once
// Named pieces of the RTF that the calculation reports spell out by hand.
//
// Why by hand: the reports must stay byte for byte what users already have on file. Their
// formulas were always written with zero-padded escapes ("\u0961?" for ρ, where RtfText would
// write "\u961?") and with the exact spacing after each control word, so the report writers put
// these sequences into the stream as they are instead of letting RtfText escape the characters.
//
// The convention of every report writer: RTF literals are ordinary string literals
// ("\\par\\b ..."), the Greek letters and operators below are the named constants, and a
// subscript or superscript is Sub(...) / Sup(...). A control word ends at the first space or at the
// next backslash, so Sub and Sup end on "\nosupersub" without that space: text that follows
// starts with it ("T" + Sub("a") + "  = " is "T\sub a\nosupersub  = ", one space closing the
// control word and one shown).

#include <string>
#include <string_view>

#include "core/number_text.h"

namespace orvane::rtf {

// Paragraph ends and bold, with the space that closes the control word.
inline const std::string kPar = "\\par ";
inline const std::string kBold = "\\b ";
inline const std::string kBoldOff = "\\b0 ";

// Greek letters (zero-padded escapes).
inline const std::string kDelta = "\\u0916?";   // Δ
inline const std::string kSigma = "\\u0931?";   // Σ
inline const std::string kPsi = "\\u0936?";     // Ψ
inline const std::string kAlpha = "\\u0945?";   // α
inline const std::string kGamma = "\\u0947?";   // γ
inline const std::string kEpsilon = "\\u0949?"; // ε
inline const std::string kEta = "\\u0951?";     // η
inline const std::string kLambda = "\\u0955?";  // λ
inline const std::string kMu = "\\u0956?";      // μ
inline const std::string kNu = "\\u0957?";      // ν
inline const std::string kXi = "\\u0958?";      // ξ
inline const std::string kPi = "\\u0960?";      // π
inline const std::string kRho = "\\u0961?";     // ρ
inline const std::string kTau = "\\u0964?";     // τ

// Operators.
inline const std::string kDot = "\\u8729?";       // ∙, multiplication
inline const std::string kTimes = " \\u8729? ";   // " ∙ ", multiplication between spaced operands
inline const std::string kSqrt = "\\u8730?";      // √
inline const std::string kSum = "\\u8721?";       // ∑
inline const std::string kGreaterEq = "\\u8805?"; // ≥
inline const std::string kRangeTo = "\\u0247?";   // ÷ between the ends of a range ("1,3 ÷ 1,0")

// "\sub text\nosupersub" and "\super text\nosupersub", without the closing space.
inline std::string Sub(std::string_view text) {
    std::string s = "\\sub ";
    s += text;
    s += "\\nosupersub";
    return s;
}
inline std::string Sup(std::string_view text) {
    std::string s = "\\super ";
    s += text;
    s += "\\nosupersub";
    return s;
}

// A constant of a formula ("0.5", "273.15") with the report's decimal separator, so that a
// formula and the numbers computed into it use one separator. Written with "." in the code.
inline std::string Num(std::string_view dotted) {
    std::string s(dotted);
    for (char &c : s) {
        if (c == '.')
            c = DecimalSeparator();
    }
    return s;
}

} // namespace orvane::rtf
