// The manual pages are written in a small subset of Markdown (doc/*.1.md);
// their OPTIONS tables are copied into the reference pages that describe
// the options (doc/using.md, doc/batch.md). This program
//
//   make_manpage SOURCE.md OUTPUT.1 FOOTER       writes the roff page
//   make_manpage --check-copies PAGE.md SOURCE.md...
//                                                 fails when a copy in PAGE differs from its source's table
//   make_manpage --update-copies PAGE.md SOURCE.md...
//                                                 copies the sources' tables into PAGE
//   PROGRAM --help | make_manpage --check-options SOURCE.md
//                                                 fails unless the page lists exactly the program's options
//
// The subset: "# SECTION", "## Subsection", paragraphs, code blocks indented
// by four blanks, "- " and "1. " list items, tables (one .TP entry per row:
// the first cell is the tag, the others the text), `code`, *emphasis*,
// **strong**, and <!-- comments --> left out. In a page, the table
// following a comment line that names doc/SOURCE.md is that source's
// OPTIONS table.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

Lines ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    Lines lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteLines(const fs::path& path, const Lines& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

// The source without its comments.
Lines WithoutComments(const Lines& lines) {
    Lines kept;
    bool inComment = false;
    for (const std::string& line : lines) {
        if (!inComment && StartsWith(line, "<!--")) inComment = true;
        if (!inComment) kept.push_back(line);
        if (inComment && line.find("-->") != std::string::npos) inComment = false;
    }
    return kept;
}

// The rows of the table under "# OPTIONS", header and rule included.
Lines OptionsTable(const Lines& source, const std::string& name) {
    const Lines lines = WithoutComments(source);
    Lines table;
    bool inOptions = false;
    for (const std::string& line : lines) {
        if (StartsWith(line, "# ")) inOptions = line == "# OPTIONS";
        else if (inOptions && StartsWith(line, "|")) table.push_back(line);
        else if (inOptions && !table.empty()) break;
    }
    if (table.size() < 3) throw std::runtime_error(name + ": no table under # OPTIONS");
    return table;
}

// Where a page's copy of a source's table starts and ends.
struct TableCopy {
    std::size_t begin = 0, end = 0;
};

TableCopy FindTableCopy(const Lines& page, const std::string& pageName, const std::string& sourceName) {
    const std::string mention = "doc/" + sourceName;
    std::size_t found = 0;
    TableCopy where;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (!StartsWith(page[i], "<!--") || page[i].find(mention) == std::string::npos) continue;
        ++found;
        where.begin = where.end = i + 1;
        while (where.end < page.size() && StartsWith(page[where.end], "|")) ++where.end;
    }
    if (found != 1)
        throw std::runtime_error(pageName + ": " + std::to_string(found) + " comment lines naming " + mention +
                                 " before a table (one expected)");
    return where;
}

// Splits a table row at the bars that are not escaped as \|.
std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t i = 1; i < row.size(); ++i) {
        if (row[i] == '\\' && i + 1 < row.size() && row[i + 1] == '|') {
            cell += "\\|";
            ++i;
        } else if (row[i] == '|') {
            cells.push_back(cell);
            cell.clear();
        } else {
            cell += row[i];
        }
    }
    for (std::string& c : cells) {
        c.erase(0, c.find_first_not_of(' '));
        c.erase(c.find_last_not_of(' ') + 1);
    }
    return cells;
}

// --- Markdown to roff ------------------------------------------------------

// Roff text of literal characters; in code every hyphen is a minus sign, so
// that options copied from the page work.
std::string Escape(const std::string& text, bool code) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') out += "\\e";
        else if (c == '-' && (code || (i + 1 < text.size() && text[i + 1] == '-') || (i > 0 && text[i - 1] == '-')))
            out += "\\-";
        else out += c;
    }
    return out;
}

// A code span of an option tag: the option in bold, its argument in italics.
std::string TagCode(const std::string& code) {
    const std::size_t blank = code.find(' ');
    if (blank == std::string::npos || !StartsWith(code, "-")) return "\\fB" + Escape(code, true) + "\\fR";
    return "\\fB" + Escape(code.substr(0, blank), true) + "\\fR \\fI" + Escape(code.substr(blank + 1), true) + "\\fR";
}

// Inline Markdown: `code`, **strong**, *emphasis*, \| and \* escapes.
std::string Inline(const std::string& text, bool tag = false) {
    std::string out, plain;
    auto flush = [&] {
        out += Escape(plain, false);
        plain.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size() && std::string("|*`_").find(text[i + 1]) != std::string::npos) {
            plain += text[++i];
        } else if (c == '`') {
            const std::size_t close = text.find('`', i + 1);
            if (close == std::string::npos) throw std::runtime_error("unclosed ` in: " + text);
            std::string code = text.substr(i + 1, close - i - 1);
            for (std::size_t p; (p = code.find("\\|")) != std::string::npos;) code.erase(p, 1);
            flush();
            out += tag ? TagCode(code) : "\\fB" + Escape(code, true) + "\\fR";
            i = close;
        } else if (c == '*') {
            const bool strong = i + 1 < text.size() && text[i + 1] == '*';
            const std::string mark = strong ? "**" : "*";
            const std::size_t close = text.find(mark, i + mark.size());
            if (close == std::string::npos) {
                plain += c;
                continue;
            }
            flush();
            out += (strong ? "\\fB" : "\\fI") + Inline(text.substr(i + mark.size(), close - i - mark.size())) + "\\fR";
            i = close + mark.size() - 1;
        } else {
            plain += c;
        }
    }
    flush();
    // A line may not start with a control character.
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

Lines ToRoff(const Lines& source, const std::string& name, const std::string& footer) {
    const Lines lines = WithoutComments(source);
    Lines out{".\\\" Written by make_manpage from doc/" + name + ".md; edit that file instead.",
              ".TH " + Escape(Upper(name.substr(0, name.rfind('.'))), true) + " " + name.substr(name.rfind('.') + 1) +
                  " \"\" \"" + footer + "\" \"User Commands\""};
    enum class Block { None, Paragraph, Code, Item, Table } block = Block::None;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        static const std::regex numbered(R"(^(\d+)\. (.*)$)");
        std::smatch m;
        if (line.empty()) {
            if (block == Block::Code) {
                // A blank line inside a code block belongs to it when code follows.
                if (i + 1 < lines.size() && StartsWith(lines[i + 1], "    ")) {
                    out.push_back("");
                    continue;
                }
                out.insert(out.end(), {".fi", ".RE"});
            }
            block = Block::None;
        } else if (StartsWith(line, "## ")) {
            out.push_back(".SS " + Inline(line.substr(3)));
            block = Block::None;
        } else if (StartsWith(line, "# ")) {
            out.push_back(".SH " + Inline(line.substr(2)));
            block = Block::None;
        } else if (block == Block::Code || (block == Block::None && StartsWith(line, "    "))) {
            if (block != Block::Code) out.insert(out.end(), {".PP", ".RS 4", ".nf"});
            std::string code = Escape(line.substr(4), true);
            if (!code.empty() && (code[0] == '.' || code[0] == '\'')) code.insert(0, "\\&");
            out.push_back(code);
            block = Block::Code;
        } else if (StartsWith(line, "- ")) {
            out.insert(out.end(), {".IP \\(bu 2", Inline(line.substr(2))});
            block = Block::Item;
        } else if (std::regex_match(line, m, numbered)) {
            out.insert(out.end(), {".IP " + m[1].str() + ". 4", Inline(m[2].str())});
            block = Block::Item;
        } else if (StartsWith(line, "|")) {
            // The header row and its rule name the columns; the page needs no heading for them.
            const bool header = block != Block::Table;
            block = Block::Table;
            if (header || line.find_first_not_of("|-: ") == std::string::npos) continue;
            const std::vector<std::string> cells = Cells(line);
            if (cells.size() < 2) throw std::runtime_error(name + ": a table row needs two cells: " + line);
            std::string text = cells[1];
            for (std::size_t k = 2; k < cells.size(); ++k) text += "; " + cells[k];
            out.insert(out.end(), {".TP", Inline(cells[0], true), Inline(text)});
        } else {
            if (block == Block::None) out.push_back(".PP");
            else if (block == Block::Table) throw std::runtime_error(name + ": text right after a table: " + line);
            out.push_back(Inline(block == Block::Item ? line.substr(line.find_first_not_of(' ')) : line));
            if (block == Block::None) block = Block::Paragraph;
        }
    }
    if (block == Block::Code) out.insert(out.end(), {".fi", ".RE"});
    return out;
}

// The long options a program's --help lists: the first "--name" of every
// line that starts, after blanks, with an option.
std::set<std::string> HelpOptions(std::istream& help) {
    static const std::regex option(R"(^\s+(?:-\w,\s*)?(--[a-z0-9][a-z0-9-]*))");
    std::set<std::string> names;
    std::smatch m;
    for (std::string line; std::getline(help, line);)
        if (std::regex_search(line, m, option)) names.insert(m[1].str());
    return names;
}

std::set<std::string> DocumentedOptions(const Lines& table) {
    static const std::regex option(R"(--[a-z0-9][a-z0-9-]*)");
    std::set<std::string> names;
    for (std::size_t i = 2; i < table.size(); ++i) {
        const std::string tag = Cells(table[i]).at(0);
        for (std::sregex_iterator it(tag.begin(), tag.end(), option), end; it != end; ++it) names.insert(it->str());
    }
    return names;
}

int CheckOptions(const fs::path& source) {
    const std::set<std::string> help = HelpOptions(std::cin);
    const std::set<std::string> documented = DocumentedOptions(OptionsTable(ReadLines(source), source.string()));
    if (help.empty()) {
        std::cerr << "no option found in the help text on standard input\n";
        return 1;
    }
    int faults = 0;
    for (const std::string& name : help)
        if (!documented.count(name)) {
            std::cerr << source.string() << ": the program takes " << name << ", the OPTIONS table does not list it\n";
            ++faults;
        }
    for (const std::string& name : documented)
        if (!help.count(name)) {
            std::cerr << source.string() << ": the OPTIONS table lists " << name << ", the program does not take it\n";
            ++faults;
        }
    return faults == 0 ? 0 : 1;
}

int CheckOrUpdateCopies(bool update, const fs::path& pagePath, const std::vector<fs::path>& sources) {
    Lines page = ReadLines(pagePath);
    int faults = 0;
    for (const fs::path& source : sources) {
        const Lines table = OptionsTable(ReadLines(source), source.string());
        const TableCopy where = FindTableCopy(page, pagePath.string(), source.filename().string());
        const Lines copy(page.begin() + static_cast<std::ptrdiff_t>(where.begin),
                         page.begin() + static_cast<std::ptrdiff_t>(where.end));
        if (copy == table) continue;
        if (update) {
            page.erase(page.begin() + static_cast<std::ptrdiff_t>(where.begin),
                       page.begin() + static_cast<std::ptrdiff_t>(where.end));
            page.insert(page.begin() + static_cast<std::ptrdiff_t>(where.begin), table.begin(), table.end());
            continue;
        }
        ++faults;
        std::size_t k = 0;
        while (k < copy.size() && k < table.size() && copy[k] == table[k]) ++k;
        std::cerr << pagePath.string() << ":" << where.begin + k + 1 << ": the option table differs from "
                  << source.string() << "\n  copy:   " << (k < copy.size() ? copy[k] : "(table ends)")
                  << "\n  source: " << (k < table.size() ? table[k] : "(table ends)")
                  << "\nRun make_manpage --update-copies " << pagePath.string() << " " << source.string()
                  << " to copy the source's table.\n";
    }
    if (update) WriteLines(pagePath, page);
    return faults == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() >= 3 && (args[0] == "--check-copies" || args[0] == "--update-copies"))
            return CheckOrUpdateCopies(args[0] == "--update-copies", args[1],
                                       std::vector<fs::path>(args.begin() + 2, args.end()));
        if (args.size() == 2 && args[0] == "--check-options") return CheckOptions(args[1]);
        if (args.size() == 3 && !StartsWith(args[0], "--")) {
            const fs::path output = args[1];
            WriteLines(output, ToRoff(ReadLines(args[0]), output.filename().string(), args[2]));
            return 0;
        }
    } catch (const std::exception& e) {
        std::cerr << "make_manpage: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "usage: make_manpage SOURCE.md OUTPUT.1 FOOTER\n"
                 "       make_manpage --check-copies|--update-copies PAGE.md SOURCE.md...\n"
                 "       PROGRAM --help | make_manpage --check-options SOURCE.md\n";
    return 64;
}
