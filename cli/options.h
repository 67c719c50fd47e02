// Command-line options of the vek tool: "--name value" pairs.
#pragma once

#include <map>
#include <string>
#include <vector>

// The options a command takes: names without "--".
struct OptionKinds {
    std::vector<std::string> values;  // "--name value", at most once
    std::vector<std::string> flags;   // "--name", no value
    std::vector<std::string> pairs;   // "--name A B", any number of times
    std::size_t positional = 0;       // how many plain arguments may come
};

class Options {
public:
    // Parses args; false with a message for an unknown option, a missing
    // value, a repeated option or a plain argument too many. "-o" stands for
    // "--output".
    bool parse(const std::vector<std::string>& args, const OptionKinds& kinds, std::string& error);
    bool parse(const std::vector<std::string>& args, const std::vector<std::string>& known, std::string& error) {
        return parse(args, OptionKinds{known, {}, {}, 0}, error);
    }

    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::string get(const std::string& name, const std::string& fallback = "") const;
    const std::vector<std::pair<std::string, std::string>>& pairs(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> pairs_;
    std::vector<std::string> positional_;
};

// "M/D/YYYY" into its three numbers (each read as a dialog field reads it).
bool parseSlashDate(const std::string& text, unsigned& month, unsigned& day, unsigned& year);

// "A" or "A1-A2" with A1 <= A2, each from 0 to limit.
bool parseRange(const std::string& text, int limit, int& first, int& last);
