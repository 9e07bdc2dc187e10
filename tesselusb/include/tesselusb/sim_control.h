#ifndef TESSELUSB_SIM_CONTROL_H
#define TESSELUSB_SIM_CONTROL_H

/* Test controls of the simulated instrument library. Tests resolve these
 * with dlsym from the loaded libTesselUSB.so; docs/simulator.md describes
 * the state format and what each exchange records. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* One entry-point call as the simulated instrument received it. */
struct TsimExchange {
  char entry[16];   /* "CmdRead", "CmdWrite", "CmdCmd", "CmdSpeic", "OpenDevice",
                       "CloseDevice", "GetDeviceList", "ReadData", "WriteData" */
  uint32_t command; /* dwID (CmdSpeic: its first argument; 0 for entry points without one) */
  uint32_t loc, count, timeout, tries;
  int32_t result;    /* what the entry point returned */
  uint32_t dataSize; /* bytes in data: sent bytes of accepted writes, reply bytes of
                        successful reads; at most sizeof data */
  uint8_t data[1024];
};

/* Back to the start-up state (TESSELUSB_STATE or the demo meter), log
 * cleared; 1 ok, 0 when that state is invalid. */
int tsim_reset(void);
/* Replaces the state; 1 ok; 0 invalid, and every entry point then fails
 * until a good state is loaded. */
int tsim_load_state(const char *jsonText);
int tsim_load_state_file(const char *path);
/* Why the current state is invalid ("" when it is valid); returns the
 * length needed without the NUL, writes NUL-terminated text if it fits. */
int tsim_state_error(char *buffer, int size);

int tsim_log_size(void);
/* 1 ok, 0 bad index or null out. */
int tsim_log_entry(int index, struct TsimExchange *out);
void tsim_clear_log(void);

/* The current state as JSON text in the state-file format ("null" when the
 * state is invalid); returns the length needed without the NUL, writes
 * NUL-terminated text if it fits. */
int tsim_state_json(char *buffer, int size);

#ifdef __cplusplus
}
#endif

#endif
