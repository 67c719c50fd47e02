// Command-line options of the vek tool: "--name value" pairs.
#pragma once

#include <map>
#include <string>
#include <vector>

class Options {
public:
    // Parses args against the known option names (without "--"); false with
    // a message for an unknown option, a missing value or a repeated option.
    bool parse(const std::vector<std::string>& args, const std::vector<std::string>& known,
               std::string& error);

    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::string get(const std::string& name, const std::string& fallback = "") const;

private:
    std::map<std::string, std::string> values_;
};

// "M/D/YYYY" into its three numbers (each read as a dialog field reads it).
bool parseSlashDate(const std::string& text, unsigned& month, unsigned& day, unsigned& year);

// "A" or "A1-A2" with A1 <= A2, each from 0 to limit.
bool parseRange(const std::string& text, int limit, int& first, int& last);
