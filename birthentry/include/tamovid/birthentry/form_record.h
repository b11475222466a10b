#pragma once

#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/positions/birth_record.h"

namespace tamovid {

/// The record the form describes while it is being filled, before its checks pass: what
/// the zone line under the form shows; a calculation reads the form with ReadBirth
/// instead. Copied field by field: a value that cannot be read
/// (a list with nothing chosen, a number that does not parse, a zone row outside the
/// table) leaves that field of `previous` as it was.
BirthRecord FillBirthRecord(const BirthEntry& entry, BirthRecord previous);

}  // namespace tamovid
