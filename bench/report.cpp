#include "bench/report.h"

#include <windows.h>

#include <cstdio>

namespace
{
const char* VerdictText(Verdict verdict)
{
    switch (verdict)
    {
    case Verdict::Met:
        return "met";
    case Verdict::Missed:
        return "MISSED";
    case Verdict::NotMeasured:
        return "n/a";
    case Verdict::Info:
        break;
    }
    return "";
}

std::string Number(double value)
{
    char text[64];
    if (value == static_cast<long long>(value))
        std::snprintf(text, sizeof(text), "%lld", static_cast<long long>(value));
    else
        std::snprintf(text, sizeof(text), "%.2f", value);
    return text;
}

std::string Ratio(const Row& row)
{
    if (row.floor == 0 || row.verdict == Verdict::NotMeasured)
        return "";
    char text[32];
    std::snprintf(text, sizeof(text), "%.3f", row.ours / row.floor);
    return text;
}

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
    {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}
} // namespace

Row RatioRow(const std::string& figure, const std::string& unit, double ours, double floor, double maxRatio)
{
    Row row{figure, unit, ours, floor, "ratio <= " + Number(maxRatio), Verdict::Missed, ""};
    if (ours <= 0 || floor <= 0)
        row.verdict = Verdict::NotMeasured;
    else if (ours / floor <= maxRatio)
        row.verdict = Verdict::Met;
    return row;
}

void PrintTable(const std::vector<Row>& rows)
{
    std::printf("\n%-40s %-6s %12s %12s %7s  %-22s %-6s %s\n", "figure", "unit", "ours", "floor", "ratio", "target", "",
                "note");
    std::printf("%s\n", std::string(130, '-').c_str());
    for (const Row& row : rows)
        std::printf("%-40s %-6s %12s %12s %7s  %-22s %-6s %s\n", row.figure.c_str(), row.unit.c_str(),
                    row.verdict == Verdict::NotMeasured && row.ours < 0 ? "-" : Number(row.ours).c_str(),
                    row.verdict == Verdict::NotMeasured && row.floor < 0 ? "-" : Number(row.floor).c_str(),
                    Ratio(row).c_str(), row.target.c_str(), VerdictText(row.verdict), row.note.c_str());
    std::fflush(stdout);
}

bool WriteJson(const std::vector<Row>& rows, const std::string& machine, const std::wstring& path)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    std::fprintf(file, "{\n  \"machine\": %s,\n  \"rows\": [\n", JsonString(machine).c_str());
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        const Row& row = rows[i];
        std::fprintf(file,
                     "    {\"figure\": %s, \"unit\": %s, \"ours\": %s, \"floor\": "
                     "%s, \"target\": %s, "
                     "\"verdict\": %s, \"note\": %s}%s\n",
                     JsonString(row.figure).c_str(), JsonString(row.unit).c_str(), Number(row.ours).c_str(),
                     Number(row.floor).c_str(), JsonString(row.target).c_str(),
                     JsonString(row.verdict == Verdict::Info ? "info" : VerdictText(row.verdict)).c_str(),
                     JsonString(row.note).c_str(), i + 1 < rows.size() ? "," : "");
    }
    std::fprintf(file, "  ]\n}\n");
    return std::fclose(file) == 0;
}
