// SPDX-License-Identifier: GPL-3.0-or-later
#include "workfile.h"

#include "engine/position.h"

#include <sstream>

namespace tool {

std::vector<WorkLine> readWorkFile(const std::string& path, bool withDiscs)
{
    std::vector<WorkLine> lines;
    std::ifstream in(path);
    std::string text;
    while (std::getline(in, text)) {
        if (in.eof())
            break; // no newline: the stop came while the line was written
        std::istringstream fields(text);
        WorkLine line;
        std::string rest;
        if (!(fields >> line.key >> line.choice.column >> line.choice.score))
            continue;
        if (withDiscs && !(fields >> line.discs))
            continue;
        if (fields >> rest || line.choice.column < 0 || line.choice.column >= engine::Width)
            continue;
        lines.push_back(line);
    }
    return lines;
}

std::ofstream appendToWorkFile(const std::string& path)
{
    bool cutShort = false;
    {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        if (in && in.tellg() > 0) {
            in.seekg(-1, std::ios::end);
            cutShort = in.get() != '\n';
        }
    }
    std::ofstream out(path, std::ios::app);
    if (cutShort)
        out << '\n';
    return out;
}

} // namespace tool
