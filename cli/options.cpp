#include "cli/options.h"

#include "people/name_reading.h"

#include <algorithm>

bool Options::parse(const std::vector<std::string>& args, const OptionKinds& kinds, std::string& error) {
    auto among = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-' || (arg.size() == 2 && arg != "-o") ||
            (arg.size() > 2 && arg[1] != '-')) {
            if (positional_.size() == kinds.positional) {
                error = "unexpected argument '" + arg + "'";
                return false;
            }
            positional_.push_back(arg);
            continue;
        }
        std::string name = arg == "-o" ? "output" : arg.substr(2);
        std::string value;
        const std::size_t equals = name.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (among(kinds.flags, name)) {
            if (inlineValue || !values_.emplace(name, "1").second) {
                error = "option --" + name + " takes no value and is given once";
                return false;
            }
            continue;
        }
        if (among(kinds.pairs, name)) {
            if (inlineValue || i + 2 >= args.size()) {
                error = "option --" + name + " needs two values";
                return false;
            }
            pairs_[name].emplace_back(args[i + 1], args[i + 2]);
            i += 2;
            continue;
        }
        if (!among(kinds.values, name)) {
            error = "unknown option --" + name;
            return false;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                error = "option --" + name + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (!values_.emplace(name, value).second) {
            error = "option --" + name + " is given twice";
            return false;
        }
    }
    return true;
}

std::string Options::get(const std::string& name, const std::string& fallback) const {
    auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
}

const std::vector<std::pair<std::string, std::string>>& Options::pairs(const std::string& name) const {
    static const std::vector<std::pair<std::string, std::string>> none;
    auto found = pairs_.find(name);
    return found == pairs_.end() ? none : found->second;
}

bool parseSlashDate(const std::string& text, unsigned& month, unsigned& day, unsigned& year) {
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string::npos ? first : text.find('/', first + 1);
    if (second == std::string::npos || text.find('/', second + 1) != std::string::npos) return false;
    month = dialogNumber(text.substr(0, first).c_str());
    day = dialogNumber(text.substr(first + 1, second - first - 1).c_str());
    year = dialogNumber(text.substr(second + 1).c_str());
    return true;
}

bool parseRange(const std::string& text, int limit, int& first, int& last) {
    const std::size_t dash = text.find('-');
    const std::string a = dash == std::string::npos ? text : text.substr(0, dash);
    const std::string b = dash == std::string::npos ? text : text.substr(dash + 1);
    if (a.empty() || b.empty() || a.size() > 9 || b.size() > 9) return false;
    for (char c : a + b)
        if (c < '0' || c > '9') return false;
    first = std::stoi(a);
    last = std::stoi(b);
    return first <= last && last <= limit;
}
