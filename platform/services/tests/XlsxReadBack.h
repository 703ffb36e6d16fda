#pragma once
// An .xlsx file read back by an independent reader (Python's openpyxl through xlsxdump.py):
// its cells, merged ranges and row heights, for tests of everything that writes workbooks.
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>

struct TXlsxReadBack {
    struct TCell {
        char Kind = 0;  // 'n' number, 's' string, 'd' date
        std::string Text;
        double Number() const { return std::stod(Text); }
    };
    bool Read = false;
    std::string Sheet;
    std::map<std::string, TCell> Cells;  // by address, "A1"
    std::set<std::string> Merges;
    std::map<int, double> Heights;

    // The cell's text as "n:1.5", "s:Base", "d:2024-03-01T00:00:00", or "" for a blank cell.
    std::string operator[](const std::string& address) const
    {
        const auto it = Cells.find(address);
        return it == Cells.end() ? std::string() : std::string(1, it->second.Kind) + ":" + it->second.Text;
    }
};

// Runs the dump script over the file; Read stays false when the reader failed.
inline TXlsxReadBack ReadXlsxBack(const std::string& script, const std::string& file)
{
    TXlsxReadBack book;
    // The system interpreter: Debian's python3-openpyxl belongs to it.
    const std::string command = "/usr/bin/python3 '" + script + "' '" + file + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return book;
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    if (pclose(pipe) != 0) return book;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string what, a, b, c;
        std::getline(fields, what, '\t');
        std::getline(fields, a, '\t');
        std::getline(fields, b, '\t');
        std::getline(fields, c);
        if (what == "sheet") book.Sheet = a;
        else if (what == "cell") book.Cells[a] = {b.empty() ? '?' : b[0], c};
        else if (what == "merge") book.Merges.insert(a);
        else if (what == "height") book.Heights[std::stoi(a)] = std::stod(b);
    }
    book.Read = true;
    return book;
}
