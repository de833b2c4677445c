#pragma once
// pdflatex and pdftotext for the tests: a LaTeX document compiled in a
// directory of its own, and the text poppler reads from the PDF. Without
// pdflatex (scripts/deps.sh test installs it) the caller skips.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace latextools {

inline bool havePdflatex() { return std::system("command -v pdflatex >/dev/null 2>&1") == 0; }

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Compiled {
    bool ok = false;
    std::string log;   // pdflatex's log (its tail on failure)
    std::string text;  // pdftotext of the PDF, pages separated by form feeds
};

// Compiles `document` (a whole .tex file) and reads its text back.
inline Compiled compileLatex(const std::string& document, const std::string& stem = "doc") {
    std::string pattern = (std::filesystem::temp_directory_path() / "spatium-latex-XXXXXX").string();
    Compiled result;
    if (!mkdtemp(pattern.data())) return result;
    const std::filesystem::path dir = pattern;
    std::ofstream(dir / (stem + ".tex"), std::ios::binary) << document;
    const std::string cd = "cd '" + dir.string() + "' && ";
    const int status = std::system((cd + "pdflatex -interaction=nonstopmode -halt-on-error -no-shell-escape " + stem +
                                    ".tex >/dev/null 2>&1 </dev/null")
                                       .c_str());
    result.log = readFile(dir / (stem + ".log"));
    result.ok = status == 0 && result.log.find("Missing character") == std::string::npos;
    if (result.ok && std::system((cd + "pdftotext -enc UTF-8 " + stem + ".pdf " + stem + ".txt").c_str()) == 0)
        result.text = readFile(dir / (stem + ".txt"));
    std::filesystem::remove_all(dir);
    if (!result.ok && result.log.size() > 3000) result.log = result.log.substr(result.log.size() - 3000);
    return result;
}

}  // namespace latextools
