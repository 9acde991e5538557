/* txtbank: the program-text library of Primorator.
 *
 * A C ABI, loaded by name at run time. The program keeps some captions,
 * messages, addresses and the state folder's name as numbered texts in a
 * text file beside it; this library reads that file once and hands out a
 * text by its number. Nothing here prints; no exception leaves a function.
 *
 * File format (UTF-8; the file's own header repeats it):
 *   NUMBER<TAB>TEXT     one text per line; NUMBER is a decimal integer in
 *                       -32768 .. 32767, blanks around it allowed; TEXT is
 *                       everything after the first TAB, kept as written
 *                       (a final CR of a CR LF line end is dropped).
 *   \n and \\ in TEXT   a line break and a backslash; any other backslash
 *                       stays as it is.
 *   # ...               a comment line (the first character is '#').
 *   blank lines         ignored (a line of blanks, TABs and CRs only).
 * A text is at most 1,024 bytes once its escapes are replaced, so that it
 * always fits the program's 1,024-character buffer. A UTF-8 byte-order mark
 * at the start is skipped. Texts are bytes: their encoding is not checked.
 * Line numbers count every line, comments and blank lines included; a file
 * holds at most 500 lines and 16 MiB.
 */
#ifndef TXTBANK_H
#define TXTBANK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(TXTBANK_BUILDING)
#define TXTBANK_API __attribute__((visibility("default")))
#else
#define TXTBANK_API
#endif

/* Loads the texts of the file at `path` (8-bit text) as the texts of
 * `language`, replacing the texts that language held; after a failed load
 * it holds none. Other languages are left as they are.
 *
 * Returns the number of texts read (1 or more) on success, else:
 *    0        the file holds no text (only comments and blank lines);
 *   -1        the file cannot be opened (or `path` is NULL);
 *   -2        memory for a text could not be had;
 *   -3        the file has more than 500 lines or more than 16 MiB;
 *   -4        an unexpected failure;
 *   -6        the file is empty (0 bytes);
 *   -7        the file cannot be read (a folder, a read error);
 *   -8        memory for the file's contents could not be had;
 *   -(500+L)  line L holds no numbered text: no TAB, a NUMBER that is not
 *             a 16-bit decimal integer, an empty TEXT, or a NUL byte;
 *   -(1000+L) the TEXT of line L is longer than 1,024 bytes;
 *   -(1500+L) line L repeats a NUMBER of an earlier line.
 * The first faulty line, in file order, decides. Cost: one pass over the file. */
TXTBANK_API int32_t lt(const char* path, int16_t language);

/* Copies text `number` of `language` into `buffer`, from its byte `start`
 * (1-based; below 1 counts as 1; the program passes 1) to its end, and at
 * most `size` bytes; a cut never splits a UTF-8 sequence. A NUL follows
 * when room remains, so a result of 0 leaves an empty, NUL-terminated
 * buffer. Returns the number of bytes written before that NUL: 0 when the
 * language holds no such text or nothing lies at or after `start`, -1 when
 * `buffer` is NULL or `size` is below 1. Never writes past `size` bytes. */
TXTBANK_API int32_t gt(int16_t number, int16_t language, char* buffer, int32_t size, int32_t start);

#ifdef __cplusplus
}
#endif

#endif
