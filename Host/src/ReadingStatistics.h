/* What a run of readings amounts to: counts, and the mean, extremes and
 * spread of the readings that were numbers. */
#ifndef POWERMETER_HOST_READING_STATISTICS_H
#define POWERMETER_HOST_READING_STATISTICS_H

/* ---- One reading ---------------------------------------------------------
 * The plug-in returns NaN for a failed reading; 0 W comes back as -inf. */
enum class ReadingStatus { Ok, Failed, MinusInfinity, PlusInfinity };

ReadingStatus ReadingStatusOf(double dbm);

/* "ok", "failed", "-inf", "+inf": the JSON status field. */
const char *ReadingStatusName(ReadingStatus status);

/* ---- A run ---------------------------------------------------------------
 * The mean is averaged in linear power (mW), as power adds up, and shown in
 * dBm and mW; the standard deviation (sample, n-1) is of the dBm values.
 * Only finite readings enter the statistics; failed (NaN) and infinite
 * readings are counted apart. */
class ReadingStatistics {
public:
    void add(double dbm);

    long count() const { return count_; }          /* all readings */
    long failed() const { return failed_; }        /* NaN */
    long outOfRange() const { return outOfRange_; } /* -inf, +inf */
    long valid() const { return valid_; }          /* finite */

    /* NaN while there is no finite reading. */
    double meanMilliwatts() const;
    double meanDbm() const;
    double minimumDbm() const;
    double maximumDbm() const;
    /* 0 for one reading; NaN for none. */
    double standardDeviationDb() const;

private:
    long count_ = 0;
    long failed_ = 0;
    long outOfRange_ = 0;
    long valid_ = 0;
    double sumMilliwatts_ = 0.0;
    double minimum_ = 0.0;
    double maximum_ = 0.0;
    // Welford's running mean and squared deviations: stable for long runs.
    double meanDbm_ = 0.0;
    double squaredDeviations_ = 0.0;
};

#endif /* POWERMETER_HOST_READING_STATISTICS_H */
