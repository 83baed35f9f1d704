#pragma once

namespace vb {

// The runtime's pseudo-random numbers: Rnd gives a Single from 0 up to, not
// including, 1. Randomize() seeds from the clock (Timer), so two runs draw
// different numbers; the same explicit seed gives the same sequence.
void Randomize();
void Randomize(double seed);
float Rnd();

}  // namespace vb
