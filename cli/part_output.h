#pragma once

#include <span>
#include <string>

#include "cli/json_line.h"
#include "network/markings.h"
#include "network/part.h"

namespace tamblor::cli {

// The members "bands" (colour names, first digit first), "smd" and "eia96" of the open object,
// each null where the part has none.
void AppendMarkingsJson(const Markings& markings, JsonLineWriter& json);

// A resistor as every subcommand writes it: {"text","value","series","tolerance"} and its
// markings.
void AppendResistorJson(const Part& part, JsonLineWriter& json);

// A part's markings in a few words: "yellow violet red gold, SMD 472, EIA-96 01C", leaving out
// what it has not; "no markings" when it has none.
void AppendMarkingsText(const Markings& markings, std::string& out);

// The markings of the parts `indices` of `parts`, each part once: "470R yellow violet brown gold,
// SMD 471; 750R …".
void AppendPartsMarkingsText(std::span<const Part> parts, std::span<const int> indices,
                             std::string& out);

}  // namespace tamblor::cli
