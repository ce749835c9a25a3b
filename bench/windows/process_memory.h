#pragma once

// This process's resident memory in KiB as /proc/self/status reports it, -1 when it cannot be
// read: the peak so far (VmHWM) and the present (VmRSS).
long peakResidentKb();
long residentKb();
