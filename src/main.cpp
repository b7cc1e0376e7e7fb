// Asks for the four entries of a two-by-two grid, one prompt at a time, then
// lists them back on one line. Bad input is not reported: a failed read leaves
// the stream failed, the remaining prompts pass without waiting, and the run
// exits with status 0. Output that is lost is reported, with status 1.

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>

int main()
{
#ifdef SIGPIPE
    // A reader that goes away fails the write instead of killing grid.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    constexpr std::int32_t rowCount = 2;
    constexpr std::int32_t columnCount = 2;

    // A read that meets bad input stores 0 itself, or the nearest limit when
    // the number is out of range. A read stores nothing once the stream has
    // failed or the input has ended, so its entry keeps the zero set here.
    std::int32_t valueGrid[rowCount][columnCount] = {};

    // The errno that the first failed write to standard output left, or 0.
    int writeError = 0;

    for (std::int32_t row = 0; row < rowCount; ++row) {
        for (std::int32_t column = 0; column < columnCount; ++column) {
            // The read would flush the prompt too, as std::cin is tied to
            // std::cout. Flushing it first keeps a failed read's errno out of
            // the cause, and clearing errno keeps an old one out of it.
            errno = 0;
            std::cout << "Enter a value for 2-D array index " << row << ","
                      << column << ": " << std::flush;
            if (!std::cout && writeError == 0) writeError = errno;
            std::cin >> valueGrid[row][column];
        }
    }

    // With no line break, the listing waits in the buffer for the flush below.
    errno = 0;
    for (std::int32_t row = 0; row < rowCount; ++row) {
        for (std::int32_t column = 0; column < columnCount; ++column) {
            std::cout << "valueGrid[" << row << "][" << column
                      << "] = " << valueGrid[row][column];
        }
    }
    std::cout.flush();
    if (!std::cout && writeError == 0) writeError = errno;
    if (!std::cout) {
        // perror, not strerror, which Windows C runtime headers mark unsafe.
        errno = writeError;
        if (errno != 0) std::perror("grid: could not write to standard output");
        else std::cerr << "grid: could not write to standard output\n";
        return EXIT_FAILURE;
    }
    return 0;
}
