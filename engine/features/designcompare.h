#pragma once
// What a change of the catalogue does to saved designs: each design is
// worked through with the catalogue before and after the change, and one
// whose output differs is listed with the first line that differs.
//
// A design's output is what pruzcalc prints for it, line by line: the
// report lines, then the messages, then the error, and last its exit
// status, so a design whose lines stay but whose status changes is listed
// too.

#include "engine/features/design.h"

#include <optional>
#include <string>
#include <vector>

// The output lines of one design, as compared.
std::vector<std::string> outputLines(const DesignResult& r);

// Where the first difference lies: which part of the output, and the line
// within that part, from 0.
enum class OutputPart { Report, Message, Error, ExitStatus };

struct DesignChange {
    DesignResult before;
    DesignResult after;
    size_t line = 0; // the first differing output line, from 0
    OutputPart part = OutputPart::Report;
    size_t partLine = 0;
    std::optional<std::string> beforeLine; // nullopt: the output before ends earlier
    std::optional<std::string> afterLine;
};

// A design that could not be compared: its input data file, or a
// catalogue, cannot be read, or a catalogue does not list its material.
struct DesignFault {
    std::string file;
    std::string text; // the message or error that says why
};

struct CatalogueComparison {
    size_t designs = 0; // compared (faults not counted)
    std::vector<DesignChange> changed;
    std::vector<DesignFault> faults;
};

// Every file through both runs, in order.
CatalogueComparison compareCatalogues(
    const std::vector<std::string>& ridFiles, DesignRun& before, DesignRun& after);
