// Sine and cosine of an argument that moves in small steps, such as an
// angle through a crank-stepped cycle. Each call turns the previous call's
// pair, kept in double, by the change of argument, which costs a fraction of
// a fresh evaluation; a change over 1/16 radian, and every 64th call, start
// afresh from SinCosInDouble. The pair stays within 2^-44 of the exact
// values, so rounded to float it almost always gives the correctly rounded
// result; on rare arguments lying that close to halfway between two floats,
// the float next to it. The same on every platform.
#pragma once

namespace fastmath {

class SteppedSinCos {
public:
    // Moves to argument x (radians); then Sine() and Cosine() give its values.
    void MoveTo(float x);
    float Sine() const { return static_cast<float>(sine_); }
    float Cosine() const { return static_cast<float>(cosine_); }

private:
    void Restart(float x);

    float x_ = 0.0f;
    double sine_ = 0.0;
    double cosine_ = 1.0;
    int stepsLeft_ = 0;  // before the next fresh evaluation
};

}  // namespace fastmath
