// One composer per report: each writes the list file of its report to
// currentReportFile and records the section marks.
#pragma once

void composeProfile();          // Personality Profiles and Short Profiles
void composeCompatibility();
void composeChartCalculator();
void composeDiamond();
void composeNames();
void composeLuckyNumbers();
void composeEverydayNumbers();
