// The pairing board as the page's script reaches it, compiled to WebAssembly (binding.cpp).
// Boxes are numbered 1 to 18; texts are UTF-8, valid until the next call that hands one.
#pragma once

extern "C" {

void morvane_set_value(int number, int value);
void morvane_reset();
int morvane_value(int number);
int morvane_enabled(int number);
const char* morvane_answer();
const char* morvane_choices_after(int number);
const char* morvane_after_reset();
int morvane_box_reached(int number, int arrow);
}
