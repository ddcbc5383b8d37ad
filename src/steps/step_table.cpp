#include "steps/step_table.h"

#include "steps/step_3501.h"
#include "steps/steps_3101_3401.h"
#include "steps/steps_4000_4101.h"
#include "steps/steps_5000_5002.h"
#include "steps/steps_5100_5500.h"

namespace harbo::steps {
namespace {

// Entry versions and successors are stored in customers' databases (PARAM DBVERSION): never
// renumber them. Each step sets the version of the entry after it; 7430 is the current version.
// A null routine marks a step that is not built yet: the chain stops there.
constexpr engine::StepEntry kStepTable[] = {
    {3101, 0, 3111, Step3101},    {3111, 0, 3201, Step3111}, {3201, 0, 3301, Step3201},
    {3301, 0, 3401, Step3301},    {3401, 0, 3501, Step3401}, {3501, 0, 4000, Step3501},
    {4000, 0, 4001, Step4000},    {4001, 0, 4101, Step4001}, {4101, 0, 5000, Step4101},
    {5000, 0, 5001, Step5000},    {5001, 0, 5002, Step5001}, {5002, 0, 5100, Step5002},
    {5100, 5101, 5500, Step5100}, {5500, 0, 6000, Step5500}, {6000, 0, 6001, nullptr},
    {6001, 0, 6002, nullptr},     {6002, 0, 6003, nullptr},  {6003, 0, 6150, nullptr},
    {6150, 0, 6151, nullptr},     {6151, 0, 6152, nullptr},  {6152, 0, 6153, nullptr},
    {6153, 0, 6171, nullptr},     {6171, 0, 6172, nullptr},  {6172, 0, 6173, nullptr},
    {6173, 0, 6200, nullptr},     {6200, 0, 6201, nullptr},  {6201, 0, 6202, nullptr},
    {6202, 0, 6290, nullptr},     {6290, 0, 6292, nullptr},  {6292, 0, 6300, nullptr},
    {6300, 0, 6301, nullptr},     {6301, 0, 6302, nullptr},  {6302, 0, 6400, nullptr},
    {6400, 6410, 6450, nullptr},  {6450, 0, 6460, nullptr},  {6460, 0, 6700, nullptr},
    {6700, 0, 7000, nullptr},     {7000, 0, 7100, nullptr},  {7100, 0, 7110, nullptr},
    {7110, 0, 7114, nullptr},     {7114, 0, 7120, nullptr},  {7120, 0, 7130, nullptr},
    {7130, 0, 7150, nullptr},     {7150, 0, 7200, nullptr},  {7200, 0, 7210, nullptr},
    {7210, 0, 7300, nullptr},     {7300, 0, 7400, nullptr},  {7400, 0, 7410, nullptr},
    {7410, 0, 7420, nullptr},     {7420, 0, 7430, nullptr},
};

}  // namespace

std::span<const engine::StepEntry> StepTable() { return kStepTable; }

}  // namespace harbo::steps
