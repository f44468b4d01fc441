#include "cli/textoutput.h"

#include "cli/design.h"

#include <algorithm>
#include <ostream>

void writeText(const DesignResult& result, std::ostream& out, std::ostream& err)
{
    for (const auto& line : result.report)
        out << line << '\n';
    for (std::string message : result.messages) {
        std::replace(message.begin(), message.end(), '\r', '\n');
        err << message << '\n';
    }
    if (!result.error.empty())
        err << "error: " << result.error << '\n';
}
