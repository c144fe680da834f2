#pragma once

// Projects of any size for the benchmarks: the functions are spread evenly
// over the ten types, every one with a unique name and inputs and outputs
// that import finds in the catalogues, so that reading one back takes every
// function. Values cycle through the editors' vocabulary.
namespace GeneratedProject
{

// Puts functionCount functions into the (empty) stores; claims nothing.
void fill(int functionCount);

} // namespace GeneratedProject
