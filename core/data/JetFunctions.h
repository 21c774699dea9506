#pragma once
// The Jet functions the translated SQL calls on the file engine (jet_instr,
// jet_round, the date parts, jet_now...), with Jet's own rules: text
// compared without case, Round half to even on the decimal value.
struct sqlite3;

namespace velbrisk {

// Registers every Jet function on a connection of the engine.
void registerJetFunctions(sqlite3* db);

// Jet's Round: half to even on the value as written (2.675 -> 2.68).
double jetRound(double x, int digits);

}  // namespace velbrisk
