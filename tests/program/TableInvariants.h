#pragma once

#include <string>
#include <vector>

class FrmQuelta;
class TableLedger;

// Everything that must hold of the table whenever no operation is running,
// checked against the game's state, the widgets the player sees and the
// test's own ledger. Returns one line per broken rule; empty when all hold.
std::vector<std::string> checkTableAtRest(FrmQuelta& window, const TableLedger& ledger);
