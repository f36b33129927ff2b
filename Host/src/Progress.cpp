#include "Progress.h"

#include <cmath>
#include <cstdio>

static std::string ProgressDuration(double seconds)
{
    long whole = static_cast<long>(std::ceil(seconds));
    char text[32];
    if (whole < 60)
        std::snprintf(text, sizeof text, "%ld s", whole);
    else if (whole < 3600)
        std::snprintf(text, sizeof text, "%ld min %02ld s", whole / 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%ld h %02ld min", whole / 3600, (whole % 3600) / 60);
    return text;
}

std::string ProgressText(long done, long total, double elapsedSeconds)
{
    std::string text = std::to_string(done);
    if (total > 0)
        text += "/" + std::to_string(total);
    text += " readings";
    if (done <= 0 || elapsedSeconds <= 0.0)
        return text;
    double rate = static_cast<double>(done) / elapsedSeconds;
    char figure[32];
    std::snprintf(figure, sizeof figure, "  %.1f/s", rate);
    text += figure;
    if (total > 0)
        text += "  " + ProgressDuration(static_cast<double>(total - done) / rate) + " left";
    return text;
}
