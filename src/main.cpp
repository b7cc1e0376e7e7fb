// Asks for the four entries of a two-by-two grid, one prompt at a time, then
// lists them back on one line. Bad input is never reported: a failed read
// leaves the stream failed, the remaining prompts pass without waiting, and
// the run still lists the grid and exits with status 0.

#include <csignal>
#include <cstdint>
#include <iostream>

int main()
{
#ifdef SIGPIPE
    // A reader that goes away must not kill the run: the write just fails,
    // like a write to a closed stream, and the exit status stays 0.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    constexpr std::int32_t rowCount = 2;
    constexpr std::int32_t columnCount = 2;

    // A read that meets bad input stores 0 itself, or the nearest limit when
    // the number is out of range. A read stores nothing once the stream has
    // failed or the input has ended, so its entry keeps the zero set here.
    std::int32_t valueGrid[rowCount][columnCount] = {};

    // std::cin is tied to std::cout, so each prompt is flushed before its
    // read waits, for as long as no read has failed.
    for (std::int32_t row = 0; row < rowCount; ++row) {
        for (std::int32_t column = 0; column < columnCount; ++column) {
            std::cout << "Enter a value for 2-D array index " << row << ","
                      << column << ": ";
            std::cin >> valueGrid[row][column];
        }
    }

    // No line break anywhere: the listing is flushed at normal exit.
    for (std::int32_t row = 0; row < rowCount; ++row) {
        for (std::int32_t column = 0; column < columnCount; ++column) {
            std::cout << "valueGrid[" << row << "][" << column
                      << "] = " << valueGrid[row][column];
        }
    }

    return 0;
}
