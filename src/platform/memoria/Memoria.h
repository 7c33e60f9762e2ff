#pragma once
// How the program's memory is given back to the system.

namespace memoria {

// Memory freed by the program stays with it for the next use instead of
// going back to the system at once. Each page change frees a page's
// widgets and builds the next one's, and each sheet-list read makes and
// drops some 20,000 values: given back each time, the same memory came
// back as fresh pages, each one faulted in and cleared again by the
// system (a 10,000-sheet list took 7 ms instead of 1.5). Call once, at
// the start of main.
void tieniMemoriaLiberata();

} // namespace memoria
