#pragma once

// The benchmark's table: each figure of the program beside the floor the
// platform sets, and whether the target holds. Printed as text and written as
// JSON.

#include <string>
#include <vector>

enum class Verdict
{
    Met,
    Missed,
    NotMeasured, // the platform gives no figure
    Info,        // shown for context, no target
};

struct Row
{
    std::string figure;
    std::string unit;
    double ours = 0;
    double floor = 0;
    std::string target;
    Verdict verdict = Verdict::Info;
    std::string note;
};

// A ratio row: met when ours / floor is at most `maxRatio`.
Row RatioRow(const std::string& figure, const std::string& unit, double ours, double floor, double maxRatio);

void PrintTable(const std::vector<Row>& rows);
bool WriteJson(const std::vector<Row>& rows, const std::string& machine, const std::wstring& path);
