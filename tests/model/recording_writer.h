#pragma once
// A run writer that keeps what a run wrote, in order.

#include "model/run_writer.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace karnoth::testing {

struct RecordingWriter : RunWriter {
    void setPupsPerYearling(float value) override { pupsPerYearling.push_back(value); }
    void setFirstYearSurvival(float value) override { firstYearSurvival = value; }
    void writeCaption(std::string_view label, std::string text) override
    {
        order.emplace_back(label);
        captions[std::string(label)] = std::move(text);
    }
    void projectionFinished(const RunSeries& s) override { series = s; }

    std::vector<float> pupsPerYearling;
    std::optional<float> firstYearSurvival;
    std::vector<std::string> order;
    std::map<std::string, std::string> captions;
    std::optional<RunSeries> series;
};

}  // namespace karnoth::testing
