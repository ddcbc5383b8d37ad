#include "steps/texts/alarm_type_texts.h"

namespace harbo::steps {
namespace {

// German has no texts of its own here: the English ones are written into its columns.
constexpr AlarmTypeText kTexts[] = {
    {11, "fin", "Palohälytys", "Palo",
     "Tämä on palohälytys Pelmar Harboon liitetystä paloilmoitinjärjestelmästä."},
    {11, "eng", "Fire alarm", "Fire",
     "This is a fire alarm from a fire alarm system connected to Pelmar Harbo."},
    {11, "swe", "Brandlarm", "Brand",
     "Detta är ett brandlarm från ett brandlarmssystem som är anslutet till Pelmar Harbo."},
    {11, "fra", "Alarme Incendie", "Incendie",
     "C’est une alarme incendie provenant d’un système d’alarme incendie connecté à Pelmar Harbo."},
    {11, "dut", "Brandlarm", "Brand",
     "Dit is een brandalarm van een brandmeldsysteem dat is aangesloten op Pelmar Harbo."},
    {69, "fin", "Testihälytys", "Testi", "Tämä on testihälytys."},
    {69, "eng", "Test alarm", "Test", "This is a test alarm."},
    {69, "swe", "Testlarm", "Test", "Detta är ett testlarm."},
    {69, "fra", "Alarme de test", "Test", "C’est une alarme de test."},
    {69, "dut", "Testalarm", "Test", "Dit is een testalarm."},
};

}  // namespace

std::span<const AlarmTypeText> FireAndTestAlarmTexts() { return kTexts; }

const AlarmTypeText* FindFireAndTestAlarmText(int type, std::string_view language) {
  for (const AlarmTypeText& text : kTexts) {
    if (text.type == type && text.language == language) return &text;
  }
  return nullptr;
}

}  // namespace harbo::steps
