#include "ScriptHighlighter.h"

namespace {

// The terminal's standard colours nearest to the control's, so that they
// follow the terminal's palette and stay readable on light and dark
// backgrounds; default text keeps the terminal's own foreground colour.
const char* AnsiColour(CorvelTokenColour::Class colour) {
    switch (colour) {
    case CorvelTokenColour::Keyword: return "\033[34m";       // blue
    case CorvelTokenColour::String: return "\033[33m";        // olive: dark yellow
    case CorvelTokenColour::Comment: return "\033[32m";       // green
    case CorvelTokenColour::Reserved: return "\033[35m";      // magenta
    case CorvelTokenColour::Unrecognised: return "\033[31m";  // red
    default: return "";
    }
}

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

void WriteBytes(std::string_view text, FILE* out) { fwrite(text.data(), 1, text.size(), out); }

// Takes the line break off the end of a run.
bool EndsLine(std::string_view& run) {
    if (run.empty() || run.back() != '\n') return false;
    run.remove_suffix(1);
    return true;
}

}  // namespace

// The page's tab stops are every four characters, as in the edit control.
// HTML parsers drop the line break right after <pre>, so the script's own
// first line break survives.
void ScriptHighlighter::Write(std::string_view text, Format format, const char* title, FILE* out) {
    if (format == Html) {
        fprintf(out,
                "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%s</title>\n"
                "<style>pre { font-family: monospace; tab-size: 4; color: #000000; background: #FFFFFF; }</style>\n"
                "</head>\n<body>\n<pre>\n",
                EscapeHtml(title).c_str());
    }
    WriteRuns(text, format, out);
    if (format == Html) fputs("</pre>\n</body>\n</html>\n", out);
}

void ScriptHighlighter::WriteRuns(std::string_view text, Format format, FILE* out) {
    CorvelTokenColour::ColourText(text, [&](std::string_view line, const std::vector<CorvelTokenColour::Run>& runs) {
        for (const CorvelTokenColour::Run& run : runs) {
            std::string_view part = line.substr(run.start, run.end - run.start);
            bool lineBreak = EndsLine(part);
            std::string opening = part.empty() ? std::string() : Opening(run.colour, format);
            fputs(opening.c_str(), out);
            if (format == Html) WriteBytes(EscapeHtml(part), out);
            else WriteBytes(part, out);
            if (!opening.empty()) fputs(Closing(format), out);
            if (lineBreak) fputc('\n', out);
        }
    });
}

std::string ScriptHighlighter::Opening(CorvelTokenColour::Class colour, Format format) {
    if (format == Ansi) return AnsiColour(colour);
    if (colour == CorvelTokenColour::Default) return std::string();
    unsigned long bgr = CorvelTokenColour::GetColour(colour);
    char span[40];
    snprintf(span, sizeof span, "<span style=\"color:#%02lX%02lX%02lX\">", bgr & 0xFF, (bgr >> 8) & 0xFF,
             (bgr >> 16) & 0xFF);
    return span;
}

const char* ScriptHighlighter::Closing(Format format) { return format == Html ? "</span>" : "\033[0m"; }
