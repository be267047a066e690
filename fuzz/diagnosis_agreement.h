#pragma once

#include <filesystem>
#include <string_view>

/// Diagnoses the two files and aborts with a finding unless the diagnosis tells the report
/// that the evaluation wrote: its first refused block's message under check 221 when that
/// block comes first, else its stop, else every block's near-pair count in order.
void requireDiagnosisAgrees(const std::filesystem::path& input,
                            const std::filesystem::path& submission, std::string_view report);
