#include "ReadingStatistics.h"

#include <cmath>

ReadingStatus ReadingStatusOf(double dbm)
{
    if (std::isnan(dbm))
        return ReadingStatus::Failed;
    if (std::isinf(dbm))
        return dbm < 0.0 ? ReadingStatus::MinusInfinity : ReadingStatus::PlusInfinity;
    return ReadingStatus::Ok;
}

const char *ReadingStatusName(ReadingStatus status)
{
    switch (status) {
    case ReadingStatus::Ok:
        return "ok";
    case ReadingStatus::Failed:
        return "failed";
    case ReadingStatus::MinusInfinity:
        return "-inf";
    case ReadingStatus::PlusInfinity:
        return "+inf";
    }
    return "failed";
}

void ReadingStatistics::add(double dbm)
{
    ++count_;
    switch (ReadingStatusOf(dbm)) {
    case ReadingStatus::Failed:
        ++failed_;
        return;
    case ReadingStatus::MinusInfinity:
    case ReadingStatus::PlusInfinity:
        ++outOfRange_;
        return;
    case ReadingStatus::Ok:
        break;
    }
    ++valid_;
    sumMilliwatts_ += std::pow(10.0, dbm / 10.0);
    if (valid_ == 1 || dbm < minimum_)
        minimum_ = dbm;
    if (valid_ == 1 || dbm > maximum_)
        maximum_ = dbm;
    double delta = dbm - meanDbm_;
    meanDbm_ += delta / static_cast<double>(valid_);
    squaredDeviations_ += delta * (dbm - meanDbm_);
}

double ReadingStatistics::meanMilliwatts() const
{
    return valid_ > 0 ? sumMilliwatts_ / static_cast<double>(valid_) : std::nan("");
}

double ReadingStatistics::meanDbm() const
{
    return valid_ > 0 ? 10.0 * std::log10(meanMilliwatts()) : std::nan("");
}

double ReadingStatistics::minimumDbm() const
{
    return valid_ > 0 ? minimum_ : std::nan("");
}

double ReadingStatistics::maximumDbm() const
{
    return valid_ > 0 ? maximum_ : std::nan("");
}

double ReadingStatistics::standardDeviationDb() const
{
    if (valid_ == 0)
        return std::nan("");
    if (valid_ == 1)
        return 0.0;
    return std::sqrt(squaredDeviations_ / static_cast<double>(valid_ - 1));
}
