#pragma once

// The local wall-clock time, for the status log's time stamps.
void GetLocalTimeOfDay(int& hour, int& minute, int& second);
