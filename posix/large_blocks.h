// How the heap gives back what a long session's large lists free.
#pragma once

namespace zentavo {

// Makes every block from 256 KiB up a mapping of its own, given back to the
// system as soon as it is freed. glibc otherwise raises that size to the
// largest block freed so far (up to 32 MiB): once a drop's listing is freed,
// the lists of every later step come from the heap, and what they leave
// there when freed stays with the process, for the next step's peak to
// stand on. Called first thing in a program's main.
void GiveLargeBlocksBack();

}  // namespace zentavo
