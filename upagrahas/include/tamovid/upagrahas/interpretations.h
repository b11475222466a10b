#pragma once

#include <array>
#include <string_view>

#include "tamovid/choices/upagraha_options.h"

namespace tamovid::upagrahas {

inline constexpr int kUpagrahaHouseCount = 12;

/// A short description of each point, in Upagraha order.
inline constexpr std::array<std::string_view, kUpagrahaCount> kUpagrahaDescriptions{
    "Kala means time. It rises in the Sun's portion and shows where time presses hardest: "
    "delays, fears and the weight of those in power. This is malefic.",
    "Mrityu means death. It rises in the portion of Mars and points to danger, injury and "
    "sudden strife. This is malefic.",
    "Ardhaprahara means half a watch of the day. It rises in the portion of Mercury and brings "
    "restless, scattered effort and trouble with words and trade. This is mildly malefic.",
    "Yamaghantaka is the bell of Yama. It rises in the portion of Jupiter; the gentlest of the "
    "six, it tests faith, teachers and children. This is mildly malefic.",
    "Gulika is the son of Saturn. It rises in Saturn's portion and marks where life meets its "
    "heaviest obstacles, grief and hidden poison. This is the strongest malefic of the six.",
    "Mandi is Saturn's other son. It rises within Saturn's portion and spoils its house with "
    "delay, disease and loss. This is, with Gulika, the strongest malefic of the six.",
};

/// Interpretation texts by point, then house 1..12 at positions 0..11. Each row speaks to
/// its point's nature; each column to the matters of its house.
inline constexpr std::array<std::array<std::string_view, kUpagrahaHouseCount>, kUpagrahaCount>
    kUpagrahaInterpretations{{
        // Kala: time and the Sun's harsh side.
        {{
            "You may carry an old weariness and feel that time works against you. Your pride can "
            "harden into stubbornness. Patience will bring the respect you seek.",
            "You may find money slow to gather and your words too stern for your family. Speak "
            "warmly and your savings will grow with the years.",
            "You will be brave and proud, but brothers and sisters may keep their distance. Your "
            "efforts succeed late, yet they succeed.",
            "You may feel the home is a place of duty rather than rest. Your mother may face long "
            "troubles. A home of your own comes after some waiting.",
            "You may wait long for children or worry over them. Your judgement is strong but slow "
            "to trust itself. Study pays you later in life.",
            "You will outlast your rivals and recover from illness through discipline. Old debts "
            "and disputes fade if you face them without delay.",
            "You may marry late or choose a partner who is proud and exacting. Respect, more than "
            "romance, will keep the marriage whole.",
            "You may meet fears about health and age, and long illnesses need care. You will gain "
            "depth through hardship and live longer for your prudence.",
            "You may feel distant from your father or from the faith of your family. Fortune "
            "comes through your own slow effort rather than through others.",
            "You may clash with those in authority and rise only after long service. Your name "
            "grows through steadiness, not through haste.",
            "You will gain through patience and through people in power, though gains arrive "
            "late. A few old friends will stand by you.",
            "You may spend on duties and on others' demands, and sleep may be troubled by "
            "worries. Quiet retreat and service will ease your mind.",
        }},
        // Mrityu: danger and strife, under Mars.
        {{
            "You may be bold to the point of recklessness, and your body may bear scars of "
            "accidents. Care with fire, speed and sharp tools protects you.",
            "You may speak sharply and quarrel over family money. Harsh words can cost you dear; "
            "a calm tongue keeps both wealth and family.",
            "You will show great courage and fight hard for what you want. Brothers or "
            "neighbours may become rivals; choose your battles.",
            "You may find the home unsettled by disputes over land or property. Your mother's "
            "health needs attention. Keep vehicles in good repair.",
            "You may be hasty in judgement and anxious over children. Speculation may wound your "
            "savings. A steady mind turns your energy into skill.",
            "You will defeat enemies and overcome disease with force of will. Injuries from "
            "strain are possible, but you heal quickly.",
            "You may face fierce quarrels with your spouse or partners. Anger can break what "
            "patience would mend. Avoid partnerships made in haste.",
            "You may meet danger from accidents, surgery or violence. Caution in risky places "
            "guards your life; you have great power to endure.",
            "You may argue with your father or teachers and rebel against custom. Fortune comes "
            "through struggle and bold action rather than ease.",
            "You will work with force and may rise through hard, dangerous or technical work. "
            "Conflicts with superiors need tact.",
            "You will gain through daring and competition, and earnings may come from machines, "
            "land or arms. Some friends may prove hot-tempered.",
            "You may lose money through fines, disputes or accidents abroad. Hidden anger "
            "disturbs your rest. Forgiveness brings you peace.",
        }},
        // Ardhaprahara: restless effort, under Mercury.
        {{
            "You may have a quick but restless mind and change plans often. Nervous strain can "
            "affect your health. A settled routine steadies you.",
            "You may earn and lose through trade and clever talk. Your words can mislead or be "
            "misread. Keep your accounts and promises clear.",
            "You will be skilful with hands and words, though your efforts scatter. Short "
            "journeys and letters bring mixed results.",
            "You may move house often and find little calm at home. Studies may be interrupted. "
            "A simple, orderly home brings you comfort.",
            "You may be clever yet unsure, starting many studies and finishing few. Children may "
            "be restless. Focus turns your wit into wisdom.",
            "You will outwit opponents and handle disputes with skill. Nervous and skin troubles "
            "may arise; rest protects you.",
            "You may have a partner who is changeable or critical. Business agreements need "
            "careful reading. Honest talk keeps the bond.",
            "You may worry over hidden matters and suffer from nervous illness. Papers about "
            "inheritance may cause trouble; check them well.",
            "You may doubt teachers and wander between beliefs. Long journeys bring learning more "
            "than luck. Steady study rewards you.",
            "You may change careers often and work in trade, writing or calculation. Your "
            "reputation rises when you finish what you begin.",
            "You will gain through trade, messages and many small dealings. Friends are many but "
            "fickle; trust only the proven ones.",
            "You may waste money on small things and lie awake with busy thoughts. Writing down "
            "your worries will quiet your mind.",
        }},
        // Yamaghantaka: the testing of faith, under Jupiter; the mildest.
        {{
            "You will be serious and principled, though your confidence may waver in youth. "
            "Wisdom grows with age and brings you respect.",
            "You may find family wealth uncertain for a time. Your speech is honest but may sound "
            "severe. Generosity returns to you in good measure.",
            "You will be courageous in defending what is right. Relations with siblings are "
            "dutiful rather than warm. Your efforts bear fruit slowly.",
            "You may feel that home life asks much of you. Your mother is devoted yet burdened. "
            "Faith and study bring peace to the household.",
            "You may wait for children or worry about their education. Your mind leans to "
            "philosophy; you will give good counsel.",
            "You will overcome opponents through fairness and patience. Illnesses tend to pass "
            "with good care and sensible living.",
            "You may have a spouse who is upright but demanding. Marriage teaches you patience; "
            "mutual respect makes it firm.",
            "You may fear loss and illness more than is warranted. Interest in sacred and hidden "
            "knowledge grows deep, and you live a long life.",
            "You may find your faith tested and your teachers fallible. Fortune comes through "
            "honest work and kindness to elders.",
            "You will hold positions of trust, though promotion may be slow. Your good name rests "
            "on fairness and learning.",
            "You will gain through advice, teaching and the help of elders. Your hopes are "
            "fulfilled, though not all at once.",
            "You may spend on charity, religion and the needs of others. Losses teach detachment; "
            "quiet prayer restores your strength.",
        }},
        // Gulika: the heaviest obstacles and grief, under Saturn.
        {{
            "You may suffer from poor health and a gloomy, harsh temper. Others may find you cold "
            "or cruel. Discipline and service can soften a hard nature.",
            "You may speak bitterly and lose family wealth through quarrels. Food and drink need "
            "care. You will prosper only after long, honest toil.",
            "You will be fearless and hardworking, and you overcome what would break others. "
            "Siblings may bring sorrow, yet your courage is your wealth.",
            "You may know little comfort at home and lose property or vehicles. Your mother may "
            "suffer much. Peace comes late, through your own endurance.",
            "You may grieve over children or have few of them, and your thinking may turn dark. "
            "Guard against deceit in plans and investments.",
            "You will crush enemies and survive illness and debt that would ruin others. This is "
            "one of the places where Gulika does good.",
            "You may face a harsh or unhappy marriage and quarrels with partners. Your spouse may "
            "suffer ill health. Patience and fidelity protect the bond.",
            "You may endure long illness, poverty or danger, and your eyes need care. Avoid "
            "poisons and bad company; prayer and caution lengthen your life.",
            "You may lose your father's support and turn from the faith of your family. Fortune "
            "is blocked until you do good without reward.",
            "You may take up hard or humble work and meet scandal or loss of rank. Persistent, "
            "honest labour will slowly raise your standing.",
            "You will gain wealth and influence, and others follow your lead. Gains come through "
            "hard work and hard people; here Gulika gives much.",
            "You may spend wastefully and fall into habits you later regret. Sleep is troubled "
            "and losses come through others. Restraint and charity save you.",
        }},
        // Mandi: delay, disease and loss, under Saturn.
        {{
            "You may be sickly in childhood and slow to trust. Your manner can seem harsh or "
            "secretive. Steady effort and clean living build your strength.",
            "You may lose money through delays and speak in ways that offend. Family ties may "
            "fray. Careful saving and gentle words bring stability.",
            "You will be tenacious and unafraid of labour, and you win by persistence. Siblings "
            "may be few or distant.",
            "You may face gloom at home, old houses and broken vehicles. Your mother's health "
            "needs care. Contentment grows as you simplify.",
            "You may face delays with children and a mind prone to worry. Studies are hard won. "
            "Patient thought brings sound judgement.",
            "You will overcome enemies and long illnesses through endurance. Debts are paid in "
            "time. Here Mandi lends you strength.",
            "You may marry late or live with a partner who is cold or ailing. Agreements drag on. "
            "Loyalty and patience keep the partnership alive.",
            "You may suffer chronic illness and sudden reversals, and inheritance is delayed or "
            "lost. Caution in health and travel lengthens your life.",
            "You may feel unlucky and far from your father and your teachers. Fortune comes late "
            "and through humble service.",
            "You may work under heavy burdens and meet setbacks in rank. Honest, patient labour "
            "will earn lasting respect.",
            "You will gain steadily through persistence and the help of older people. Wealth "
            "grows late but holds; here Mandi does good.",
            "You may lose money through hidden enemies and suffer troubled sleep. Living simply "
            "and giving to others will guard your peace.",
        }},
    }};

/// The description of a point.
constexpr std::string_view UpagrahaDescription(Upagraha u) {
    return kUpagrahaDescriptions[UpagrahaIndex(u)];
}

/// The interpretation of a point in a house; "" for a house outside 1..12.
constexpr std::string_view UpagrahaInterpretation(Upagraha u, int house) {
    if (house < 1 || house > kUpagrahaHouseCount) return {};
    return kUpagrahaInterpretations[UpagrahaIndex(u)][static_cast<std::size_t>(house - 1)];
}

}  // namespace tamovid::upagrahas
