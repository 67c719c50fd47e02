#include "cli/options.h"

#include "people/name_reading.h"

#include <algorithm>

bool Options::parse(const std::vector<std::string>& args, const std::vector<std::string>& known,
                    std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            error = "unexpected argument '" + arg + "'";
            return false;
        }
        std::string name = arg.substr(2);
        std::string value;
        const std::size_t equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "option --" + name + " needs a value";
            return false;
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            error = "unknown option --" + name;
            return false;
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
