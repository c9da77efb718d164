#pragma once

#include <cstddef>
#include <string>

// What boardset needs from the system beyond the file layer: the one place where Linux and
// Windows differ.
namespace bse::cli::system {

// Makes standard input and output binary, and a closed one fail when used instead of being taken
// by the first file the program opens. Called first.
void prepareStandardStreams();

// As read(2) and write(2) on standard input and output: a count, or -1 with errno.
long readStandardInput(void* buffer, std::size_t size);
long writeStandardOutput(const void* bytes, std::size_t size);

// Whether two paths ("-": standard input) name one existing regular file.
bool sameFile(const std::string& first, const std::string& second);

} // namespace bse::cli::system
