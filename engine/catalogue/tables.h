#pragma once
// The standard's tables as the three reference viewers show them: the file
// text cell by cell (not reformatted), under fixed header texts. Each call
// reads its file(s) afresh. A fill that stops early keeps what it filled and
// says why in `message`.

#include <string>
#include <vector>

struct TableGrid {
    std::vector<std::string> strip; // header strip above the grid; empty when there is none
    std::vector<std::string> header; // the grid's fixed header row, one text per column
    std::vector<std::vector<std::string>> rows; // data rows; column 0 is the fixed column
    std::string message; // to show when the fill stopped; empty otherwise
};

// The not-applicable marker "-1" as the viewers show it, any other line as read.
std::string shownValue(const std::string& line);

// "k3.dat": one row per line, labelled with its spring index 3, 3,1, 3,2, ...
TableGrid k3Grid(const std::string& dataDir);

// "TAU1.DAT" for "PREDVARIT", "TAU2.DAT" for "OKONCAT": one row per block of
// five lines, labelled by the class name of the block's code line. A code
// outside 0..9 gives an empty row; a code that is not an integer stops the
// fill with the conversion message.
TableGrid tauGrid(const std::string& dataDir, const std::string& tauTableKind);

// "SIGMAB.DAT" in six columns of 22 rows beside the diameters of
// "SIGMDIAM.DAT". Always 22 data rows; lines beyond them are not shown.
TableGrid sigmaGrid(const std::string& dataDir);
