/*
 * The scripted driver: the eleven rsnrpz_32 operations, answering from the
 * script the check runner left in the shared DriverExchange and logging
 * every call with its arguments. It allocates nothing, so any allocation
 * seen during an entry point belongs to the plug-in.
 */
#include "rsnrpz.h"

#include "DriverExchange.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

/* Negative, so the plug-in reports it, and easy to spot in a log. */
const RsnrpzStatus NoScriptStatus = -999;

DriverExchange *FindExchange()
{
    static DriverExchange *exchange = nullptr;
    if (exchange != nullptr)
        return exchange;
    char address[64] = {0};
#if defined(_WIN32)
    if (GetEnvironmentVariableA(CHECK_EXCHANGE_VARIABLE, address, sizeof address) == 0)
        return nullptr;
#else
    const char *text = getenv(CHECK_EXCHANGE_VARIABLE);
    if (text == nullptr)
        return nullptr;
    strncpy(address, text, sizeof address - 1);
#endif
    auto *found = reinterpret_cast<DriverExchange *>(static_cast<uintptr_t>(strtoull(address, nullptr, 16)));
    if (found == nullptr || found->magic != CHECK_EXCHANGE_MAGIC || found->size != sizeof(DriverExchange))
        return nullptr;
    exchange = found;
    return exchange;
}

void Log(const char *format, ...)
{
    DriverExchange *exchange = FindExchange();
    if (exchange == nullptr)
        return;
    if (exchange->logCount >= CheckMaxLogLines) {
        ++exchange->logDropped;
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(exchange->log[exchange->logCount++], CheckLogLineLength, format, arguments);
    va_end(arguments);
}

/* The next answer for an operation, or nullptr when there is no script. */
const CheckAnswer *NextAnswer(CheckOperation operation)
{
    DriverExchange *exchange = FindExchange();
    if (exchange == nullptr)
        return nullptr;
    CheckAnswerQueue &queue = exchange->queues[operation];
    if (queue.count == 0)
        return nullptr;
    if (queue.next >= queue.count)
        return &queue.answers[queue.count - 1];
    const CheckAnswer *answer = &queue.answers[queue.next];
    if (++queue.usedOfNext >= answer->repeat) {
        ++queue.next;
        queue.usedOfNext = 0;
    }
    return answer;
}

RsnrpzStatus StatusOf(const CheckAnswer *answer)
{
    if (answer != nullptr)
        return answer->status;
    return FindExchange() != nullptr ? 0 : NoScriptStatus;
}

const char *Pointer(const void *pointer)
{
    return pointer != nullptr ? "ptr" : "NULL";
}

/* A text buffer the plug-in hands over: is all of it cleared? */
const char *TextBuffer(const char *buffer)
{
    if (buffer == nullptr)
        return "NULL";
    for (int i = 0; i < RSNRPZ_TEXT_LENGTH; ++i) {
        if (buffer[i] != 0)
            return "dirty";
    }
    return "cleared";
}

void WriteText(char *buffer, const char *text)
{
    if (buffer != nullptr)
        snprintf(buffer, RSNRPZ_TEXT_LENGTH, "%s", text);
}

/* Setter-like operations only log their arguments and answer a status. */
RsnrpzStatus Setting(CheckOperation operation, const char *name, RsnrpzSession session, int32_t channel,
                     int32_t value)
{
    Log("%s(0x%x, %d, %d)", name, (unsigned)session, (int)channel, (int)value);
    return StatusOf(NextAnswer(operation));
}

} // namespace

extern "C" {

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_init(const char *resource, RsnrpzBoolean identityQuery,
                                                RsnrpzBoolean resetDevice, RsnrpzSession *session)
{
    Log("rsnrpz_init(\"%s\", %u, %u, %s)", resource != nullptr ? resource : "(NULL)", (unsigned)identityQuery,
        (unsigned)resetDevice, Pointer(session));
    const CheckAnswer *answer = NextAnswer(CheckInit);
    if (answer != nullptr && answer->writesSession && session != nullptr)
        *session = answer->session;
    return StatusOf(answer);
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_revision_query(RsnrpzSession session, char *driverRevision,
                                                          char *firmwareRevision)
{
    Log("rsnrpz_revision_query(0x%x, %s, %s)", (unsigned)session, TextBuffer(driverRevision),
        TextBuffer(firmwareRevision));
    RsnrpzStatus status = StatusOf(NextAnswer(CheckRevisionQuery));
    if (status >= 0) {
        WriteText(driverRevision, "scripted driver 1.0");
        WriteText(firmwareRevision, "scripted firmware 1.0");
    }
    return status;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_error_message(RsnrpzSession session, RsnrpzStatus status,
                                                         char *message)
{
    Log("rsnrpz_error_message(0x%x, %d, %s)", (unsigned)session, (int)status, TextBuffer(message));
    RsnrpzStatus own = StatusOf(NextAnswer(CheckErrorMessage));
    DriverExchange *exchange = FindExchange();
    if (exchange == nullptr || message == nullptr)
        return own;
    for (int i = 0; i < exchange->messageCount; ++i) {
        const CheckMessage &scripted = exchange->messages[i];
        if (scripted.status != status || !scripted.writesText)
            continue;
        /* Never past the plug-in's buffer; a text that does not fit arrives
         * without its terminator. */
        int length = scripted.length < RSNRPZ_TEXT_LENGTH ? scripted.length : RSNRPZ_TEXT_LENGTH;
        memcpy(message, scripted.text, (size_t)length);
        if (length < RSNRPZ_TEXT_LENGTH)
            message[length] = '\0';
        break;
    }
    return own;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_reset(RsnrpzSession session, int32_t channel)
{
    Log("rsnrpz_chan_reset(0x%x, %d)", (unsigned)session, (int)channel);
    return StatusOf(NextAnswer(CheckChanReset));
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_mode(RsnrpzSession session, int32_t channel, int32_t mode)
{
    return Setting(CheckChanMode, "rsnrpz_chan_mode", session, channel, mode);
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_setContAvBufferSize(RsnrpzSession session, int32_t channel,
                                                                    int32_t bufferSize)
{
    return Setting(CheckSetContAvBufferSize, "rsnrpz_chan_setContAvBufferSize", session, channel, bufferSize);
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_trigger_setCount(RsnrpzSession session, int32_t channel, int32_t count)
{
    return Setting(CheckTriggerSetCount, "rsnrpz_trigger_setCount", session, channel, count);
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_avg_setEnabled(RsnrpzSession session, int32_t channel,
                                                          RsnrpzBoolean enabled)
{
    return Setting(CheckAvgSetEnabled, "rsnrpz_avg_setEnabled", session, channel, enabled);
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_initiate(RsnrpzSession session, int32_t channel)
{
    Log("rsnrpz_chan_initiate(0x%x, %d)", (unsigned)session, (int)channel);
    return StatusOf(NextAnswer(CheckChanInitiate));
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_isMeasurementComplete(RsnrpzSession session, int32_t channel,
                                                                      RsnrpzBoolean *complete)
{
    Log("rsnrpz_chan_isMeasurementComplete(0x%x, %d, %s)", (unsigned)session, (int)channel, Pointer(complete));
    const CheckAnswer *answer = NextAnswer(CheckIsMeasurementComplete);
    if (answer != nullptr && answer->writesComplete && complete != nullptr)
        *complete = answer->complete;
    return StatusOf(answer);
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_meass_fetchBufferMeasurement(RsnrpzSession session, int32_t channel,
                                                                        int32_t count, double *values,
                                                                        int32_t *readCount)
{
    /* The count the plug-in preset shows as &<value>. */
    if (readCount != nullptr)
        Log("rsnrpz_meass_fetchBufferMeasurement(0x%x, %d, %d, %s, &%d)", (unsigned)session, (int)channel,
            (int)count, Pointer(values), (int)*readCount);
    else
        Log("rsnrpz_meass_fetchBufferMeasurement(0x%x, %d, %d, %s, NULL)", (unsigned)session, (int)channel,
            (int)count, Pointer(values));
    const CheckAnswer *answer = NextAnswer(CheckFetchBufferMeasurement);
    if (answer == nullptr)
        return StatusOf(answer);
    if (values != nullptr) {
        int written = answer->valueCount;
        for (int i = 0; i < written; ++i)
            values[i] = answer->values[i];
        if (answer->hasFill) {
            int end = answer->readcount < CheckResultCapacity ? answer->readcount : CheckResultCapacity;
            for (int i = written; i < end; ++i)
                values[i] = answer->fill;
        }
    }
    if (answer->writesReadcount && readCount != nullptr)
        *readCount = answer->readcount;
    return answer->status;
}

} // extern "C"
