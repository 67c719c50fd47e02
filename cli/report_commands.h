#pragma once

#include <string>
#include <vector>

// "vek list": a report's list file, written by its composer.
int runListCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

// "vek expand": a list file expanded into report text.
int runExpandCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

// "vek report": the whole report, as an RTF document or as laid-out text.
int runReportCommand(const std::vector<std::string>& args, std::string& out, std::string& err);
