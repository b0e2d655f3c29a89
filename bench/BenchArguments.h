#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The command line of a bench: positional numbers and words only. --help (or -h)
// prints the usage and ends the program with status 0; an option the bench does
// not know, a word where a number belongs or too many arguments end it with a
// message and status 2, before any measuring starts.
class BenchArguments
{
public:
    // usage: the lines after "usage: <name> ", e.g. "[samples] [repeats]\n  what it times\n".
    BenchArguments(int argc, char **argv, const char *usage, int maxPositional)
        : m_name(argc > 0 ? argv[0] : "bench"), m_usage(usage)
    {
        const char *slash = std::strrchr(m_name, '/');
        m_name = slash ? slash + 1 : m_name;
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--help" || arg == "-h") {
                std::printf("usage: %s %s", m_name, m_usage);
                std::exit(0);
            }
            if (!arg.empty() && arg[0] == '-')
                fail("unknown option " + arg);
            m_values.push_back(arg);
        }
        if (int(m_values.size()) > maxPositional)
            fail("too many arguments");
    }

    // The index-th positional argument as a whole number of at least minimum.
    int number(int index, int fallback, int minimum = 1) const
    {
        if (index >= int(m_values.size()))
            return fallback;
        char *end = nullptr;
        const long value = std::strtol(m_values[size_t(index)].c_str(), &end, 10);
        if (*end != '\0' || end == m_values[size_t(index)].c_str() || value < minimum || value > 2000000000L)
            fail("\"" + m_values[size_t(index)] + "\" is not a whole number from " + std::to_string(minimum));
        return int(value);
    }

    std::string word(int index) const { return index < int(m_values.size()) ? m_values[size_t(index)] : std::string(); }

private:
    [[noreturn]] void fail(const std::string &reason) const
    {
        std::fprintf(stderr, "%s: error: %s\nusage: %s %s", m_name, reason.c_str(), m_name, m_usage);
        std::exit(2);
    }

    const char *m_name;
    const char *m_usage;
    std::vector<std::string> m_values;
};
