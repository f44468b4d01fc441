#pragma once
// pruzcalc's help text, made from the options CLI11 holds: a usage line,
// the description, one entry per option (its value's name and its
// description), and the footer, each wrapped to the width of a terminal.

#include <CLI/CLI.hpp>

class HelpFormatter : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;
};
