#pragma once

#include <array>
#include <string_view>

namespace tamovid {

inline constexpr int kHouseCount = 12;

/// Interpretation texts by point index, then house 1..12 at positions 0..11.
/// Each row speaks to its point's nature; each column to the matters of its house.
inline constexpr std::array<std::array<std::string_view, kHouseCount>, 5> kAprInterpretationTable =
    {{
        // Dhuma: smoke, violence and pressure, under Mars.
        {{
            "You will be attractive with beautiful eyes. But you need to control your temper and "
            "bad "
            "tongue.",
            "You may speak harshly when under pressure, and your words can wound your own family. "
            "Your savings may go up in smoke unless you guard them with patience.",
            "You will show fierce courage and act boldly when others hesitate. Quarrels with your "
            "brothers or sisters may flare up suddenly, so choose calm over force.",
            "You may find the home heavy with smouldering arguments. Your mother may live under "
            "strain, and comfort may come late. A peaceful house is won through your restraint.",
            "You will have a sharp and restless mind. Your children may be headstrong, and your "
            "plans "
            "may be clouded by impatience. Slow, careful thought serves you best.",
            "You will overpower your enemies and rivals, but hostility may follow you. Guard "
            "against "
            "fevers, burns and injuries, and keep your debts small.",
            "You may meet friction with your spouse and with business partners. Heated words can "
            "cloud a marriage; patience and fairness will keep the partnership whole.",
            "You may face sudden upheavals, accidents or danger from fire and sharp tools. Avoid "
            "needless risks; your endurance will carry you through hard times.",
            "You may quarrel with your father or teachers and doubt the faith you were raised in. "
            "Luck may come only after hard struggle, so keep your principles steady.",
            "You will work under great pressure and can rise through sheer force of will. Clashes "
            "with superiors may cloud your name; tact will protect your standing.",
            "You will gain through bold and forceful effort, and earnings may come from fire, "
            "metals "
            "or machines. Some friends may prove hot-headed; choose your company with care.",
            "You may spend heavily and suffer losses through disputes or fines. Restless nights "
            "and "
            "hidden worries can trouble you. Quiet retreat and charity will ease your mind.",
        }},
        // Vyatipata: confusion, in the manner of Rahu.
        {{
            "You may often feel unsure of yourself and change direction without warning. Others "
            "may "
            "misread you. Clear goals and steady habits will settle your life.",
            "You may speak in a muddled or misleading way, and money may slip away through poor "
            "judgement. Keep family accounts clear and your words honest.",
            "You will be daring but may act on half-understood ideas. Misunderstandings with "
            "siblings "
            "or neighbours may arise, and short journeys may bring more muddle than gain.",
            "You may feel unsettled at home and move house more than once. You and your mother may "
            "misunderstand each other. Peace comes when you simplify your surroundings.",
            "You may be clever but scattered, starting many studies and finishing few. Your "
            "children "
            "may cause you worry, and speculation may mislead you. Avoid gambling.",
            "You will defeat hidden enemies through cunning, yet illnesses may be hard to "
            "diagnose. "
            "Loans and legal papers may confuse you; read every agreement carefully.",
            "You may choose partners on impulse and later feel deceived. Your married life may "
            "pass "
            "through doubts and misunderstandings. Honest talk will clear the fog.",
            "You may face sudden and puzzling events, and secrets may unsettle your life. An "
            "inheritance may be disputed. Guard your health against poisons and strange ailments.",
            "You may wander between beliefs and teachers and find it hard to trust your elders. "
            "Your "
            "fortune may rise and fall unpredictably, and long journeys may go astray.",
            "You may change careers often or work where the rules keep shifting. Rumours may harm "
            "your reputation. Clear records and plain dealing will protect you.",
            "You will gain through unusual or foreign sources, but friends may mislead you. Income "
            "may "
            "be irregular. Test every promise of easy profit before you trust it.",
            "You may lose money through fraud, carelessness or confusion about expenses. Worries "
            "may "
            "disturb your sleep. Quiet reflection and spiritual practice will bring clarity.",
        }},
        // Parivesha: harm to family life, the Moon at its worst.
        {{
            "You may be moody and easily hurt, with feelings that wax and wane like the Moon. Your "
            "health will follow your peace of mind, so keep your emotions calm.",
            "You may see the family's wealth shrink and find that your words upset loved ones. "
            "Meals "
            "and gatherings may turn tense. Gentle speech will heal many wounds.",
            "You may feel distant from your brothers and sisters, and your courage may waver with "
            "your mood. You will do better when you trust your own steady effort.",
            "You may miss the comfort of home and feel a strain with your mother. Domestic peace "
            "may "
            "be hard to keep, and property may bring grief. Tend your home patiently.",
            "You may worry a great deal over your children, and their upbringing may bring sorrow. "
            "Your mind may be fanciful and unsteady; discipline in study will serve you well.",
            "You will overcome enemies, but emotional stress may weaken your health. Family "
            "disputes "
            "may lead to debts. Guard your digestion and keep a calm mind.",
            "This is a difficult sign. Your ventures may not meet much success. Your spouse will "
            "suffer from health related ailments. You will become hard and rough by nature.",
            "You may face sudden grief in family life and long spells of low spirits. Rest and "
            "care "
            "will lengthen your life; attend to worries before they reach your body.",
            "You may feel distant from your father or find your faith shaken by family troubles. "
            "Good "
            "fortune may come late. Kindness to elders will bring you blessings.",
            "You may find that trouble at home spills into your work and unsettles your career. "
            "Your "
            "public image may rise and fall; a stable routine will protect your standing.",
            "You will earn well, but gains may be spent on family quarrels. Friends may be fickle "
            "and "
            "change with your moods. Choose loyal companions over pleasant ones.",
            "You may spend heavily on relatives and lose sleep over them. You may live apart from "
            "loved ones for a time. Retreat and prayer will restore your peace.",
        }},
        // Chapa: anger and bad temper.
        {{
            "You will have a striking presence but a short fuse. Sudden anger may spoil good first "
            "impressions. Learning to pause before you react will be your greatest strength.",
            "You may lose money in fits of temper and speak cruel words you later regret. Your "
            "family "
            "may fear your outbursts. A soft voice will keep wealth and love with you.",
            "You will be brave and quick to fight, and may quarrel bitterly with your siblings. "
            "Your "
            "courage is real, but your temper can turn allies into rivals.",
            "You may bring anger into the home and hurt your mother's feelings. Vehicles and "
            "property "
            "may spark arguments. Comfort returns when you learn to forgive.",
            "You may be irritable with your children and impatient in study. Your intellect is "
            "sharp "
            "but may be clouded by anger. Patience will bring success in learning.",
            "You will defeat enemies through fierce determination, but your temper may create new "
            "ones. Watch for ailments of the blood, and never borrow money in anger.",
            "You may have a passionate but stormy marriage, with quarrels over small matters. "
            "Business partners may tire of your temper. Kindness will keep your bonds strong.",
            "You may face sudden crises brought on by rash decisions or angry words. Injuries and "
            "surgery are possible. A calm temper will protect your long life.",
            "You may argue with your father and teachers and reject good advice in anger. Fortune "
            "favours you when you are humble, and pilgrimage may calm your restless spirit.",
            "You will be ambitious and commanding, but your temper may cost you promotions. "
            "Superiors "
            "may resent your bluntness. Steady conduct will raise your standing.",
            "You will gain through your energy, yet your temper may drive friends away. Elder "
            "siblings may quarrel with you. Your gains will grow if you keep your patience.",
            "You may waste money on luxuries and in moments of anger. Hidden resentment may "
            "disturb "
            "your sleep. You will find peace through forgiveness and quiet time alone.",
        }},
        // Upaketu: destruction, in the manner of an afflicted Ketu.
        {{
            "You may face setbacks to your health and confidence early in life, and you may feel "
            "cut "
            "off from others. Spiritual discipline will rebuild what hardship tears down.",
            "You may lose family wealth or see your savings broken by sudden events. Your speech "
            "may "
            "be blunt and cold. You will prosper once you learn to value what you have.",
            "You will be fearless, even reckless, and may suffer the loss of a sibling's "
            "affection. "
            "Courage used wisely will bring you success in writing or travel.",
            "You may lose property or leave your childhood home suddenly. Your mother's health may "
            "need care. You will find comfort in simple living rather than possessions.",
            "You may face sorrow over children or delays in having them, and your studies may be "
            "broken off. You will find wisdom in spiritual and hidden subjects.",
            "You will wreck the plans of your enemies and may recover from illnesses that others "
            "fear. Debts can ruin you quickly, so live within your means.",
            "You may feel detached from your spouse, and partnerships may break without warning. "
            "Your "
            "marriage will need much care. Avoid rash agreements in business.",
            "You may suffer sudden accidents or long illnesses and may lose an inheritance. You "
            "will "
            "have a deep interest in the occult and in the mysteries of life and death.",
            "You may lose faith in tradition and feel distant from your father. Your luck may be "
            "broken by sudden reversals. You will gain insight through pilgrimage and study.",
            "You may see your career rise and collapse without warning, and others may damage your "
            "reputation. You will succeed in work that serves people quietly.",
            "You may lose gains as quickly as they come, and friendships may end abruptly. Your "
            "wishes may come true only after struggle. Trust only a few close friends.",
            "You will be involved in sinful deeds. It will be very difficult to trust you since "
            "you "
            "may be irresponsible. You may also be every short tempered.",
        }},
    }};

}  // namespace tamovid
