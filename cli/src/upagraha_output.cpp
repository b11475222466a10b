#include "tamovid/cli/upagraha_output.h"

#include "tamovid/cli/json_writer.h"
#include "tamovid/fullreading/reading_texts.h"
#include "tamovid/upagrahas/day_text.h"

namespace tamovid::cli {

void AppendUpagrahasJson(std::string& text, const Reading& reading, const ReadingUpagrahas& six) {
    using namespace upagrahas;
    text += ',';
    JsonWriter json(text);
    json.Key("day");
    if (!six.placed.ok()) {
        json.Null();
        json.Key("upagrahas");
        json.Null();
        json.Key("upagrahas_note");
        json.String(UpagrahaDayText(reading, six));
        return;
    }
    const Upagrahas& placed = six.placed.value();
    json.BeginObject();
    json.Key("vara");
    json.String(VaraName(placed.day));
    json.Key("birth_in");
    json.String(BirthInKey(placed.day));
    json.Key("sunrise");
    json.String(UtSecondText(placed.day.sunrise));
    json.Key("sunset");
    json.String(UtSecondText(placed.day.sunset));
    json.Key("next_sunrise");
    json.String(UtSecondText(placed.day.nextSunrise));
    json.EndObject();
    json.Key("upagrahas");
    json.BeginArray();
    for (const UpagrahaPlace& place : placed.places) {
        json.BeginObject();
        json.Key("name");
        json.String(UpagrahaNameOf(place.upagraha));
        json.Key("lord");
        json.String(GrahaNameOf(place.lord));
        json.Key("moment");
        json.String(UtMillisecondText(place.moment));
        json.Key("longitude");
        json.Number(SixDecimalDegrees(place.longitude));
        json.Key("position");
        json.String(CompactText(place.position));
        json.Key("nakshatra");
        json.String(place.nakshatra.name);
        json.Key("pada");
        json.Integer(place.nakshatra.pada);
        json.Key("house");
        json.Integer(place.house);
        json.EndObject();
    }
    json.EndArray();
}

void WriteUpagrahasText(std::ostream& out, const Reading& reading, const ReadingUpagrahas& six) {
    out << "\nUpagrahas\n" << UpagrahaDayText(reading, six) << '\n';
    if (!six.placed.ok()) return;
    for (const upagrahas::UpagrahaPlace& place : six.placed.value().places) {
        out << '\n' << upagrahas::UpagrahaNameOf(place.upagraha) << '\n';
        for (const std::string& line : UpagrahaLines(reading, six.placed.value(), place.upagraha))
            out << line << '\n';
        if (six.notes) {
            const PointNote& note = (*six.notes)[upagrahas::UpagrahaIndex(place.upagraha)];
            out << (note.mates.empty()
                        ? std::string("Alone in its sign.")
                        : "In its sign: " + SignMatesText(upagrahas::UpagrahaNameOf(place.upagraha), note))
                << '\n';
        }
    }
}

}  // namespace tamovid::cli
