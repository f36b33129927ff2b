/*
 * StdoutCapture.h - sends file descriptor 1 to a file so that the bytes the
 * plug-in prints can be compared exactly, and tells bytes that reached the
 * file from bytes still sitting in stdout's buffer.
 */
#ifndef POWERMETER_CHECK_STDOUTCAPTURE_H
#define POWERMETER_CHECK_STDOUTCAPTURE_H

#include <string>

/* Gives stdout a fixed buffer of its own (so printing allocates nothing and
 * only an explicit flush writes), binary mode on Windows, and prints `title`
 * through it once so that the C library has set stdout up. */
void PrepareStdout(const std::string &title);

/* false and a message if the file cannot be made. */
bool CaptureStart(const std::string &path, std::string &error);

/* Bytes that reached the file since the last call; flushes nothing. */
std::string CaptureTake();

void CaptureStop();

#endif /* POWERMETER_CHECK_STDOUTCAPTURE_H */
