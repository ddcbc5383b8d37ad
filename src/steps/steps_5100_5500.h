// Upgrade steps 5100 and 5500. Step 5100 (also entered at 5101) adds the tables of logins,
// rights, user actions, alarm requests and the alarm transfer log, the unit-type mask columns of
// alarm types, the fire and test alarm types, and turns the COUNTER rows into generators.
// Step 5500 imports the legacy registry settings into PARAM and moves the object pictures from
// their files into OBJECT.IMAGE.
#pragma once

#include "engine/database.h"
#include "engine/version_chain.h"
#include "platform/machine_root.h"
#include "platform/picture.h"

namespace harbo::steps {

bool Step5100(engine::StepContext& context);
bool Step5500(engine::StepContext& context);

// Makes sure alarm types 11 (fire alarm) and 69 (test alarm) exist, with their status, group,
// unit-type mask and their texts in fin, eng, swe, fra, ger and dut (the English ones where a
// language has none). A missing type is first inserted as "Temp". Each type is one pass; an
// error ends that pass only. True when the pass of type 69 got as far as writing its row.
bool AddFireAndTestAlarmTypes(engine::Database& db);

// Spreads bits 0..6 of every alarm type's UnitTypeMask into mask0..mask6 (1 or 0) and sets maskS
// to 1 for types 11, 17, 30, 34, 35, 36 and 69, 0 for the others. A row that cannot be written is
// left; an error ends the loop.
void FillAlarmTypeMasks(engine::Database& db);

// Creates the key-counter generators; a new one starts at 1, an existing one keeps its value.
void CreateKeyGenerators(engine::Database& db);

// Sets the generator <NAME>cnt to VAL + 1 for every COUNTER row. False when COUNTER cannot be read
// or a VAL is not an integer (the step then fails). A NAME that is not a plain identifier is not
// put into the statement: it is skipped with a log line.
bool TransferCounters(engine::Database& db);

// The stored size of an object picture: 494 pixels wide, or 370 high when it is higher than
// wide, the other side in proportion, rounded to the nearest (ties to even) and at least 1.
platform::PictureSize ObjectPictureSize(platform::PictureSize source);

// Stores the picture named by OBJECT.IMGFILENAME (a Windows path, through the machine root) of
// every object, scaled to ObjectPictureSize, in OBJECT.IMAGE. A file that is missing, not a JPEG,
// damaged or above `limits` is skipped with a log line, and so is a row that cannot be written.
// False when the objects cannot be read.
bool ConvertObjectImages(engine::Database& db, const platform::MachineRoot& machine,
                         const platform::PictureLimits& limits = {});

}  // namespace harbo::steps
