#pragma once
// The block that heads a printed report (and its PDF, and `pruzcalc
// --header`): which program made it and when, from which input file, and the
// inputs of the calculation as the user gave them, each with its unit. The
// report lines themselves follow it unchanged.

#include "engine/method/inputform.h"

#include <string>
#include <utility>
#include <vector>

// The program's version, the project version of the build.
std::string programVersion();

struct ReportHeader {
    std::string dateTime; // when the calculation ran, as the caller writes dates
    std::string inputFile; // full name of the input data file; empty: never saved or loaded
    InputForm form; // the form as "Расчет" read it
    std::string catalogue; // catalogueLabel of the data folder; empty: not shown
};

// The catalogue a calculation used, as the header names it: its folder and
// a short hash of its files, so that two printouts made with different
// catalogues can be told apart.
std::string catalogueLabel(const std::string& dataDir);

// One line per item: program and version, date, input file (or "не
// сохранено"), F1, F2, D1, then H (working-stroke mode) or L0 and n (free
// length mode), Ni with its power of ten, Vmax, winding, material, group,
// and the catalogue.
std::vector<std::string> reportHeaderLines(const ReportHeader& header);

// The title block of the printed sketch, caption and value a row: material,
// n and N1 of the calculation (number texts), winding, input file, date.
std::vector<std::pair<std::string, std::string>> sketchTitleBlock(
    const ReportHeader& header, const std::string& n, const std::string& N1);
