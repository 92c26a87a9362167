#pragma once

#include <span>
#include <string>

#include "cli/json_line.h"
#include "cli/output.h"
#include "network/input_message.h"
#include "network/markings.h"
#include "network/network_query.h"
#include "network/part.h"

namespace tamblor::cli {

// The members "bands" (colour names, first digit first), "smd" and "eia96" of the open object,
// each null where the part has none.
void AppendMarkingsJson(const Markings& markings, JsonLineWriter& json);

// A resistor as every subcommand writes it: {"text","value","series","tolerance"} and its
// markings.
void AppendResistorJson(const Part& part, JsonLineWriter& json);

// The members "resistors" (the parts `indices` of `parts` in that order), and "worst" and
// "message" (null when there is none) of the open object, as every subcommand writes them.
void AppendResistorsJson(std::span<const Part> parts, std::span<const int> indices,
                         JsonLineWriter& json);
void AppendWorstJson(const WorstCase& worst, JsonLineWriter& json);
void AppendMessageJson(const std::optional<InputMessage>& message, JsonLineWriter& json);

// Starts a value's block in the human layout: a blank line after the block before, and the input,
// escaped. A message goes to standard error as "TITLE: TEXT", after what is written so far; then
// the block ends there and this returns false.
bool StartHumanBlock(std::string_view input, const std::optional<InputMessage>& message, bool first,
                     Output& output);

// A part's markings in a few words: "yellow violet red gold, SMD 472, EIA-96 01C", leaving out
// what it has not; "no markings" when it has none.
void AppendMarkingsText(const Markings& markings, std::string& out);

// The markings of the parts `indices` of `parts`, each part once: "470R yellow violet brown gold,
// SMD 471; 750R …".
void AppendPartsMarkingsText(std::span<const Part> parts, std::span<const int> indices,
                             std::string& out);

}  // namespace tamblor::cli
