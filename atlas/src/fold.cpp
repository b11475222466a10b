#include "tamovid/atlas/fold.h"

#include <array>
#include <cstdint>

namespace tamovid::atlas {
namespace {

// The base letters of every Latin letter with marks, two characters per code point,
// case kept: "a_" one letter, "ae" two, "--" not a letter. Made from the letters' Unicode
// names ("LATIN SMALL LETTER A WITH DOT BELOW" is "a"), so letters with two marks
// (Vietnamese "ồ") and letters whose mark is part of the letter ("ł", "đ") fold too.
constexpr std::string_view kLatinLetters =  // U+00C0..U+024F
    "A_A_A_A_A_A_AEC_E_E_E_E_I_I_I_I_D_N_O_O_O_O_O_--O_U_U_U_U_Y_THss"
    "a_a_a_a_a_a_aec_e_e_e_e_i_i_i_i_d_n_o_o_o_o_o_--o_u_u_u_u_y_thy_"
    "A_a_A_a_A_a_C_c_C_c_C_c_C_c_D_d_D_d_E_e_E_e_E_e_E_e_E_e_G_g_G_g_"
    "G_g_G_g_H_h_H_h_I_i_I_i_I_i_I_i_I_--IJijJ_j_K_k_k_L_l_L_l_L_l_L_"
    "l_L_l_N_n_N_n_N_n_--N_n_O_o_O_o_O_o_OEoeR_r_R_r_R_r_S_s_S_s_S_s_"
    "S_s_T_t_T_t_T_t_U_u_U_u_U_u_U_u_U_u_U_u_W_w_Y_y_Y_Z_z_Z_z_Z_z_--"
    "b_B_B_b_------C_c_--D_D_d_----E_--F_f_G_--hv--I_K_k_l_----N_n_O_"
    "O_o_OIoiP_p_------S_--t_T_t_T_U_u_--V_Y_y_Z_z_Z_----z_----------"
    "--------DZD_dzLJL_ljNJN_njA_a_I_i_O_o_U_u_U_u_U_u_U_u_U_u_--A_a_"
    "A_a_AEaeG_g_G_g_K_k_O_o_O_o_Z_z_j_DZD_dzG_g_--W_N_n_A_a_AEaeO_o_"
    "A_a_A_a_E_e_E_e_I_i_I_i_O_o_O_o_R_r_R_r_U_u_U_u_S_s_T_t_Y_y_H_h_"
    "N_d_OUouZ_z_A_a_E_e_O_o_O_o_O_o_O_o_Y_y_l_n_t_------A_C_c_L_T_s_"
    "z_----B_----E_e_J_j_--q_R_r_Y_y_";
constexpr std::string_view kLatinExtendedAdditionalLetters =  // U+1E00..U+1EFF
    "A_a_B_b_B_b_B_b_C_c_D_d_D_d_D_d_D_d_D_d_E_e_E_e_E_e_E_e_E_e_F_f_"
    "G_g_H_h_H_h_H_h_H_h_H_h_I_i_I_i_K_k_K_k_K_k_L_l_L_l_L_l_L_l_M_m_"
    "M_m_M_m_N_n_N_n_N_n_N_n_O_o_O_o_O_o_O_o_P_p_P_p_R_r_R_r_R_r_R_r_"
    "S_s_S_s_S_s_S_s_S_s_T_t_T_t_T_t_T_t_U_u_U_u_U_u_U_u_U_u_V_v_V_v_"
    "W_w_W_w_W_w_W_w_W_w_X_x_X_x_Y_y_Z_z_Z_z_Z_z_h_t_w_y_a_------SS--"
    "A_a_A_a_A_a_A_a_A_a_A_a_A_a_A_a_A_a_A_a_A_a_A_a_E_e_E_e_E_e_E_e_"
    "E_e_E_e_E_e_E_e_I_i_I_i_O_o_O_o_O_o_O_o_O_o_O_o_O_o_O_o_O_o_O_o_"
    "O_o_O_o_U_u_U_u_U_u_U_u_U_u_U_u_U_u_Y_y_Y_y_Y_y_Y_y_--------Y_y_";

constexpr char32_t kLatinFirst = 0xC0;
constexpr char32_t kLatinEnd = 0x250;
constexpr char32_t kAdditionalFirst = 0x1E00;
constexpr char32_t kAdditionalEnd = 0x1F00;
static_assert(kLatinLetters.size() == 2 * (kLatinEnd - kLatinFirst));
static_assert(kLatinExtendedAdditionalLetters.size() == 2 * (kAdditionalEnd - kAdditionalFirst));

/// The base letters of `c`, or nothing when it is not one of the letters above.
std::string_view LatinBase(char32_t c) {
    std::string_view slot;
    if (c >= kLatinFirst && c < kLatinEnd) {
        slot = kLatinLetters.substr(2 * (c - kLatinFirst), 2);
    } else if (c >= kAdditionalFirst && c < kAdditionalEnd) {
        slot = kLatinExtendedAdditionalLetters.substr(2 * (c - kAdditionalFirst), 2);
    } else {
        return {};
    }
    if (slot == "--") return {};
    return slot[1] == '_' ? slot.substr(0, 1) : slot;
}

enum class Kind { kLetters, kDropped, kSeparator, kUnknown };

struct Folded {
    Kind kind;
    std::string_view letters;  // for kLetters, case kept
    char single = 0;
};

Folded Classify(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        return {Kind::kLetters, {}, static_cast<char>(c)};
    }
    switch (c) {
        case '\'':
        case '.':
        case '"':
        case '`':
        case 0xB4:
        case 0x2BB:
        case 0x2BC:
        case 0x2018:
        case 0x2019:
            return {Kind::kDropped, {}};
        case ' ':
        case '\t':
        case '-':
        case '/':
        case ',':
        case '(':
        case ')':
        case '_':
        case 0xA0:
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
            return {Kind::kSeparator, {}};
        default:
            break;
    }
    if (c >= 0x300 && c < 0x370) return {Kind::kDropped, {}};  // combining accents
    if (const std::string_view base = LatinBase(c); !base.empty()) {
        return {Kind::kLetters, base};
    }
    constexpr char32_t kSmallSchwa = 0x259;  // Azerbaijani "Ərdəbil", just past the table
    if (c == kSmallSchwa) return {Kind::kLetters, "e"};
    if (c < 0x80) return {Kind::kSeparator, {}};  // other ASCII punctuation
    return {Kind::kUnknown, {}};
}

/// Decodes one UTF-8 code point; a malformed byte reads as U+FFFD and is skipped.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else
        return 0xFFFD;
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size()) return 0xFFFD;
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (next & 0x3F);
        ++i;
    }
    return c;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

/// "st" and "ste" before a further word read as "saint" and "sainte" ("St. Louis" is
/// "saint louis"); as the last word they stay, being perhaps the start of "Stockholm".
void ExpandSaint(std::string& folded) {
    std::string out;
    std::size_t start = 0;
    while (start < folded.size()) {
        std::size_t end = folded.find(' ', start);
        const bool last = end == std::string::npos;
        if (last) end = folded.size();
        const std::string_view word = std::string_view(folded).substr(start, end - start);
        if (!last && word == "st") {
            out += "saint";
        } else if (!last && word == "ste") {
            out += "sainte";
        } else {
            out += word;
        }
        if (!last) out += ' ';
        start = end + 1;
    }
    folded = std::move(out);
}

enum class Unknown { kRefuse, kDrop };
enum class Letters { kSearch, kForm };

std::optional<std::string> Fold(std::string_view text, Unknown unknown, Letters letters) {
    std::string out;
    out.reserve(text.size());
    bool pendingBlank = false;
    auto put = [&](char c) {
        if (letters == Letters::kForm && c >= '0' && c <= '9') {
            pendingBlank = true;  // digits are not letters in a form field
            return;
        }
        if (pendingBlank && !out.empty()) out += ' ';
        pendingBlank = false;
        out += letters == Letters::kSearch ? Lower(c) : c;
    };
    for (std::size_t i = 0; i < text.size();) {
        const Folded f = Classify(NextCodePoint(text, i));
        switch (f.kind) {
            case Kind::kLetters:
                if (f.letters.empty()) {
                    put(f.single);
                } else {
                    for (const char c : f.letters) put(c);
                }
                break;
            case Kind::kDropped:
                break;
            case Kind::kSeparator:
                pendingBlank = true;
                break;
            case Kind::kUnknown:
                if (unknown == Unknown::kRefuse) return std::nullopt;
                break;
        }
    }
    if (letters == Letters::kSearch) ExpandSaint(out);
    return out;
}

}  // namespace

std::optional<std::string> FoldName(std::string_view utf8) {
    return Fold(utf8, Unknown::kRefuse, Letters::kSearch);
}

std::string FoldQuery(std::string_view utf8) {
    return *Fold(utf8, Unknown::kDrop, Letters::kSearch);
}

std::string FormLetters(std::string_view utf8) {
    return *Fold(utf8, Unknown::kDrop, Letters::kForm);
}

}  // namespace tamovid::atlas
