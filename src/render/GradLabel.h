// How the labels of one graduated axis are written, decided from the axis alone: the decimal
// exponent of its range and the scale the labels are divided by, whether its values are whole
// numbers, and the text of each value. No device context is involved.
#pragma once

#include <string>

struct GradLabels {
    int exponent = 0;   // decimal exponent n of the range
    float scale = 1.0f; // 10 to the power n
    bool whole = false; // start and step make whole numbers of at most 7 characters

    // For the range lo..hi graduated from start by step; the values are taken as floats.
    static GradLabels of(double lo, double hi, double start, double step);
    // Whether "x10" and the exponent are drawn beside the axis.
    bool showsExponent() const { return exponent != 0 && !whole; }
    // The label of value v: "%d" of v truncated when whole, else "%f" of v / scale without its
    // trailing zeros ("0", not "-0", for a value just below zero).
    std::string text(double v) const;
};

// Decimal exponent of the range [a, b] (of the larger magnitude's exponent when neither is 0);
// *scale receives 10 to that power.
int gradExponent(float a, float b, float* scale);
// Whether graduation values from start by step are whole numbers written in at most 7
// characters.
bool gradWhole(float start, float step);
// s without its trailing zeros, and without the decimal point when nothing is left after it.
std::string trimmedZeros(std::string s);
