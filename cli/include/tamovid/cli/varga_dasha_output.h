#pragma once

#include <ostream>
#include <span>
#include <string>

#include "tamovid/dasha/vimshottari.h"
#include "tamovid/vargas/varga.h"
#include "tamovid/vargas/varga_body.h"

namespace tamovid::cli {

/// ,"vargas":{"D9":{"Ascendant":"Aries","Sun":"Leo",...},...}: the charts in the order
/// asked, each body's full sign name (null for a body that has none).
void AppendVargasJson(std::string& text, std::span<const VargaBody> bodies,
                      std::span<const Varga> charts);

/// ,"dasha":{"system":"Vimshottari","year":..,"year_days":..,"balance":{"lord","years"},
/// "periods":[nine maha periods, each "lord","start","end","sub":[nine]]}, the times UT
/// to the minute ("1972-11-08T03:15").
void AppendDashaJson(std::string& text, const Vimshottari& dasha);

/// A table of each body's sign, one column per chart asked.
void WriteVargasText(std::ostream& out, std::span<const VargaBody> bodies,
                     std::span<const Varga> charts);

/// The year counted in, the balance at birth, then each maha period with its sub periods.
void WriteDashaText(std::ostream& out, const Vimshottari& dasha);

}  // namespace tamovid::cli
