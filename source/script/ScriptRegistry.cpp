// The script registry: one table from registered file name to factory.
#include "ScriptRegistry.h"

#include "CodeScript.h"

#include "00_billbord_depth_glow.h"
#include "00_click_task.h"
#include "00_date_shower.h"
#include "00_exit.h"
#include "00_fader.h"
#include "00_ginterface.h"
#include "00_help_bb.h"
#include "00_hint.h"
#include "00_interf_bk.h"
#include "00_interface.h"
#include "00_journal.h"
#include "00_lm_switcher.h"
#include "00_loader.h"
#include "00_logo.h"
#include "00_material_changer.h"
#include "00_minigame_interf.h"
#include "00_minigame_starter.h"
#include "00_move_side_zone.h"
#include "00_movies.h"
#include "00_msg.h"
#include "00_near_open_zone.h"
#include "00_near_plane_mini.h"
#include "00_near_plane_zone.h"
#include "00_overlay_shower.h"
#include "00_particles.h"
#include "00_pauser.h"
#include "00_pomehi.h"
#include "00_random_flash.h"
#include "00_rotator.h"
#include "00_sfx_env.h"
#include "00_shiver.h"
#include "00_simple_animator.h"
#include "00_sky.h"
#include "00_super_effect.h"
#include "00_title.h"
#include "00_trigger.h"
#include "00_tutorial.h"
#include "01_01_button.h"
#include "01_01_game_down_node.h"
#include "01_01_game_up_node.h"
#include "01_01_gear.h"
#include "01_01_scene.h"
#include "01_01_tumbler.h"
#include "01_02_scene.h"
#include "01_03_scene.h"
#include "01_04_scene.h"
#include "01_minigame_01.h"
#include "01_minigame_32.h"
#include "01_minigame_33.h"
#include "02_01_scene.h"
#include "02_02_game_letter.h"
#include "02_02_scene.h"
#include "02_03_game_03_tube.h"
#include "02_03_game_number.h"
#include "02_03_game_word.h"
#include "02_03_scene.h"
#include "02_cam_move.h"
#include "02_dialogs.h"
#include "02_flash.h"
#include "02_minigame_02.h"
#include "02_minigame_03.h"
#include "02_minigame_18.h"
#include "02_minigame_34.h"
#include "03_01_game_cmd.h"
#include "03_01_scene.h"
#include "03_02_scene.h"
#include "03_03_game_color.h"
#include "03_03_game_part_left.h"
#include "03_03_game_part_right.h"
#include "03_03_game_plane.h"
#include "03_03_scene.h"
#include "03_04_scene.h"
#include "03_05_game_button.h"
#include "03_05_game_letter.h"
#include "03_05_scene.h"
#include "03_05_superkniga.h"
#include "03_06_game_card.h"
#include "03_07_scene.h"
#include "03_globus.h"
#include "03_kamer.h"
#include "03_lazer_switcher.h"
#include "03_minigame_04.h"
#include "03_minigame_05.h"
#include "03_minigame_06.h"
#include "03_minigame_16.h"
#include "03_minigame_17.h"
#include "03_minigame_17_pult.h"
#include "03_minigame_31.h"
#include "03_minigame_36.h"
#include "04_01_scene.h"
#include "04_02_game_number.h"
#include "04_02_game_vitraj.h"
#include "04_02_scene.h"
#include "04_03_game_but.h"
#include "04_03_game_button.h"
#include "04_03_scene.h"
#include "04_04_game_node.h"
#include "04_04_game_rubilnik.h"
#include "04_04_scene.h"
#include "04_05_game_KodLarec_Door.h"
#include "04_05_scene.h"
#include "04_06_game_drotik_00.h"
#include "04_06_game_page.h"
#include "04_06_game_rubilnik.h"
#include "04_06_game_template.h"
#include "04_display.h"
#include "04_freska.h"
#include "04_minigame_07.h"
#include "04_minigame_08.h"
#include "04_minigame_09.h"
#include "04_minigame_19.h"
#include "04_minigame_20.h"
#include "04_minigame_21.h"
#include "04_minigame_21_laser.h"
#include "04_minigame_22.h"
#include "04_minigame_23.h"
#include "04_minigame_35.h"
#include "04_printer.h"
#include "05_01_game_number.h"
#include "05_01_scene.h"
#include "05_02_game_box.h"
#include "05_02_game_boxm.h"
#include "05_02_game_button.h"
#include "05_02_scene.h"
#include "05_03_scene.h"
#include "05_04_game_rubilnik.h"
#include "05_04_scene.h"
#include "05_05_scene.h"
#include "05_06_game_box.h"
#include "05_06_game_boxm.h"
#include "05_06_scene.h"
#include "05_07_scene.h"
#include "05_08_scene.h"
#include "05_iskri.h"
#include "05_minigame_10.h"
#include "05_minigame_24.h"
#include "05_minigame_25.h"
#include "05_minigame_26.h"
#include "05_minigame_27.h"
#include "06_01_game_box.h"
#include "06_01_scene.h"
#include "06_02_scene.h"
#include "06_02_vertelka.h"
#include "06_03_scene.h"
#include "06_04_game_figure.h"
#include "06_04_game_lead.h"
#include "06_04_scene.h"
#include "06_05_scene.h"
#include "06_05_stolbik.h"
#include "06_06_scene.h"
#include "06_06_stolbik.h"
#include "06_07_game_box.h"
#include "06_07_scene.h"
#include "06_09_scene.h"
#include "06_10_scene.h"
#include "06_minigame_13.h"
#include "06_minigame_131.h"
#include "06_minigame_14.h"
#include "06_minigame_15.h"
#include "06_minigame_28.h"
#include "06_minigame_29.h"
#include "06_minigame_30.h"
#include "06_water_switcher.h"
#include "07_01_scene.h"
#include "07_02_scene.h"
#include "07_03_scene.h"
#include "07_04_scene.h"
#include "07_05_scene.h"
#include "07_papirus.h"
#include "07_tolvane_flash.h"
#include "msg.h"
#include "rttview.h"

#include <cstring>
#include <new>

namespace
{
// A failed allocation yields null; a constructor that throws frees the
// memory and passes the exception on.
template <class T>
CVirtualScript* make()
{
    return new (std::nothrow) T(1);
}

struct Entry
{
    const char* name;
    CVirtualScript* (*create)();
};

const Entry kScripts[] = {
    {"msg.sc", &make<sc_msg>},
    {"00_billbord_depth_glow.sc", &make<sc_00_billbord_depth_glow>},
    {"00_click_task.sc", &make<sc_00_click_task>},
    {"00_date_shower.sc", &make<sc_00_date_shower>},
    {"00_exit.sc", &make<sc_00_exit>},
    {"00_fader.sc", &make<sc_00_fader>},
    {"00_help_bb.sc", &make<sc_00_help_bb>},
    {"00_hint.sc", &make<sc_00_hint>},
    {"00_interf_bk.sc", &make<sc_00_interf_bk>},
    {"00_interface.sc", &make<sc_00_interface>},
    {"00_journal.sc", &make<sc_00_journal>},
    {"00_lm_switcher.sc", &make<sc_00_lm_switcher>},
    {"00_loader.sc", &make<sc_00_loader>},
    {"00_msg.sc", &make<sc_00_msg>},
    {"00_logo.sc", &make<sc_00_logo>},
    {"00_material_changer.sc", &make<sc_00_material_changer>},
    {"00_minigame_interf.sc", &make<sc_00_minigame_interf>},
    {"00_minigame_starter.sc", &make<sc_00_minigame_starter>},
    {"00_move_side_zone.sc", &make<sc_00_move_side_zone>},
    {"00_movies.sc", &make<sc_00_movies>},
    {"00_near_open_zone.sc", &make<sc_00_near_open_zone>},
    {"00_near_plane_mini.sc", &make<sc_00_near_plane_mini>},
    {"00_near_plane_zone.sc", &make<sc_00_near_plane_zone>},
    {"00_overlay_shower.sc", &make<sc_00_overlay_shower>},
    {"00_particles.sc", &make<sc_00_particles>},
    {"00_pauser.sc", &make<sc_00_pauser>},
    {"00_pomehi.sc", &make<sc_00_pomehi>},
    {"00_random_flash.sc", &make<sc_00_random_flash>},
    {"00_rotator.sc", &make<sc_00_rotator>},
    {"00_sfx_env.sc", &make<sc_00_sfx_env>},
    {"00_shiver.sc", &make<sc_00_shiver>},
    {"00_simple_animator.sc", &make<sc_00_simple_animator>},
    {"00_sky.sc", &make<sc_00_sky>},
    {"00_super_effect.sc", &make<sc_00_super_effect>},
    {"00_title.sc", &make<sc_00_title>},
    {"00_trigger.sc", &make<sc_00_trigger>},
    {"00_tutorial.sc", &make<sc_00_tutorial>},
    {"02_cam_move.sc", &make<sc_02_cam_move>},
    {"02_dialogs.sc", &make<sc_02_dialogs>},
    {"rttview.sc", &make<sc_rttview>},
    {"00_ginterface.sc", &make<sc_00_ginterface>},
    {"01_01_button.sc", &make<sc_01_01_button>},
    {"01_01_game_down_node.sc", &make<sc_01_01_game_down_node>},
    {"01_01_game_up_node.sc", &make<sc_01_01_game_up_node>},
    {"01_01_gear.sc", &make<sc_01_01_gear>},
    {"01_01_scene.sc", &make<sc_01_01_scene>},
    {"01_01_tumbler.sc", &make<sc_01_01_tumbler>},
    {"01_02_scene.sc", &make<sc_01_02_scene>},
    {"01_03_scene.sc", &make<sc_01_03_scene>},
    {"01_04_scene.sc", &make<sc_01_04_scene>},
    {"01_minigame_01.sc", &make<sc_01_minigame_01>},
    {"01_minigame_32.sc", &make<sc_01_minigame_32>},
    {"01_minigame_33.sc", &make<sc_01_minigame_33>},
    {"02_01_scene.sc", &make<sc_02_01_scene>},
    {"02_02_game_letter.sc", &make<sc_02_02_game_letter>},
    {"02_02_scene.sc", &make<sc_02_02_scene>},
    {"02_03_game_03_tube.sc", &make<sc_02_03_game_03_tube>},
    {"02_03_game_number.sc", &make<sc_02_03_game_number>},
    {"02_03_game_word.sc", &make<sc_02_03_game_word>},
    {"02_03_scene.sc", &make<sc_02_03_scene>},
    {"02_flash.sc", &make<sc_02_flash>},
    {"02_minigame_02.sc", &make<sc_02_minigame_02>},
    {"02_minigame_03.sc", &make<sc_02_minigame_03>},
    {"02_minigame_18.sc", &make<sc_02_minigame_18>},
    {"02_minigame_34.sc", &make<sc_02_minigame_34>},
    {"03_01_game_cmd.sc", &make<sc_03_01_game_cmd>},
    {"03_01_scene.sc", &make<sc_03_01_scene>},
    {"03_02_scene.sc", &make<sc_03_02_scene>},
    {"03_03_game_color.sc", &make<sc_03_03_game_color>},
    {"03_03_game_part_left.sc", &make<sc_03_03_game_part_left>},
    {"03_03_game_part_right.sc", &make<sc_03_03_game_part_right>},
    {"03_03_game_plane.sc", &make<sc_03_03_game_plane>},
    {"03_03_scene.sc", &make<sc_03_03_scene>},
    {"03_04_scene.sc", &make<sc_03_04_scene>},
    {"03_05_game_button.sc", &make<sc_03_05_game_button>},
    {"03_05_game_letter.sc", &make<sc_03_05_game_letter>},
    {"03_05_scene.sc", &make<sc_03_05_scene>},
    {"03_05_superkniga.sc", &make<sc_03_05_superkniga>},
    {"03_06_game_card.sc", &make<sc_03_06_game_card>},
    {"03_07_scene.sc", &make<sc_03_07_scene>},
    {"03_globus.sc", &make<sc_03_globus>},
    {"03_kamer.sc", &make<sc_03_kamer>},
    {"03_lazer_switcher.sc", &make<sc_03_lazer_switcher>},
    {"03_minigame_04.sc", &make<sc_03_minigame_04>},
    {"03_minigame_05.sc", &make<sc_03_minigame_05>},
    {"03_minigame_06.sc", &make<sc_03_minigame_06>},
    {"03_minigame_16.sc", &make<sc_03_minigame_16>},
    {"03_minigame_17.sc", &make<sc_03_minigame_17>},
    {"03_minigame_17_pult.sc", &make<sc_03_minigame_17_pult>},
    {"03_minigame_31.sc", &make<sc_03_minigame_31>},
    {"03_minigame_36.sc", &make<sc_03_minigame_36>},
    {"04_01_scene.sc", &make<sc_04_01_scene>},
    {"04_02_game_number.sc", &make<sc_04_02_game_number>},
    {"04_02_game_vitraj.sc", &make<sc_04_02_game_vitraj>},
    {"04_02_scene.sc", &make<sc_04_02_scene>},
    {"04_03_game_but.sc", &make<sc_04_03_game_but>},
    {"04_03_game_button.sc", &make<sc_04_03_game_button>},
    {"04_03_scene.sc", &make<sc_04_03_scene>},
    {"04_04_game_node.sc", &make<sc_04_04_game_node>},
    {"04_04_game_rubilnik.sc", &make<sc_04_04_game_rubilnik>},
    {"04_04_scene.sc", &make<sc_04_04_scene>},
    {"04_05_game_KodLarec_Door.sc", &make<sc_04_05_game_KodLarec_Door>},
    {"04_05_scene.sc", &make<sc_04_05_scene>},
    {"04_06_game_drotik_00.sc", &make<sc_04_06_game_drotik_00>},
    {"04_06_game_page.sc", &make<sc_04_06_game_page>},
    {"04_06_game_rubilnik.sc", &make<sc_04_06_game_rubilnik>},
    {"04_06_game_template.sc", &make<sc_04_06_game_template>},
    {"04_display.sc", &make<sc_04_display>},
    {"04_freska.sc", &make<sc_04_freska>},
    {"04_minigame_07.sc", &make<sc_04_minigame_07>},
    {"04_minigame_08.sc", &make<sc_04_minigame_08>},
    {"04_minigame_09.sc", &make<sc_04_minigame_09>},
    {"04_minigame_19.sc", &make<sc_04_minigame_19>},
    {"04_minigame_20.sc", &make<sc_04_minigame_20>},
    {"04_minigame_21.sc", &make<sc_04_minigame_21>},
    {"04_minigame_21_laser.sc", &make<sc_04_minigame_21_laser>},
    {"04_minigame_22.sc", &make<sc_04_minigame_22>},
    {"04_minigame_23.sc", &make<sc_04_minigame_23>},
    {"04_minigame_35.sc", &make<sc_04_minigame_35>},
    {"04_printer.sc", &make<sc_04_printer>},
    {"05_01_game_number.sc", &make<sc_05_01_game_number>},
    {"05_01_scene.sc", &make<sc_05_01_scene>},
    {"05_02_game_box.sc", &make<sc_05_02_game_box>},
    {"05_02_game_boxm.sc", &make<sc_05_02_game_boxm>},
    {"05_02_game_button.sc", &make<sc_05_02_game_button>},
    {"05_02_scene.sc", &make<sc_05_02_scene>},
    {"05_03_scene.sc", &make<sc_05_03_scene>},
    {"05_04_game_rubilnik.sc", &make<sc_05_04_game_rubilnik>},
    {"05_04_scene.sc", &make<sc_05_04_scene>},
    {"05_05_scene.sc", &make<sc_05_05_scene>},
    {"05_06_game_box.sc", &make<sc_05_06_game_box>},
    {"05_06_game_boxm.sc", &make<sc_05_06_game_boxm>},
    {"05_06_scene.sc", &make<sc_05_06_scene>},
    {"05_07_scene.sc", &make<sc_05_07_scene>},
    {"05_08_scene.sc", &make<sc_05_08_scene>},
    {"05_iskri.sc", &make<sc_05_iskri>},
    {"05_minigame_10.sc", &make<sc_05_minigame_10>},
    {"05_minigame_24.sc", &make<sc_05_minigame_24>},
    {"05_minigame_25.sc", &make<sc_05_minigame_25>},
    {"05_minigame_26.sc", &make<sc_05_minigame_26>},
    {"05_minigame_27.sc", &make<sc_05_minigame_27>},
    {"06_01_game_box.sc", &make<sc_06_01_game_box>},
    {"06_01_scene.sc", &make<sc_06_01_scene>},
    {"06_02_scene.sc", &make<sc_06_02_scene>},
    {"06_02_vertelka.sc", &make<sc_06_02_vertelka>},
    {"06_03_scene.sc", &make<sc_06_03_scene>},
    {"06_04_game_figure.sc", &make<sc_06_04_game_figure>},
    {"06_04_game_lead.sc", &make<sc_06_04_game_lead>},
    {"06_04_scene.sc", &make<sc_06_04_scene>},
    {"06_05_scene.sc", &make<sc_06_05_scene>},
    {"06_05_stolbik.sc", &make<sc_06_05_stolbik>},
    {"06_06_scene.sc", &make<sc_06_06_scene>},
    {"06_06_stolbik.sc", &make<sc_06_06_stolbik>},
    {"06_07_game_box.sc", &make<sc_06_07_game_box>},
    {"06_07_scene.sc", &make<sc_06_07_scene>},
    {"06_09_scene.sc", &make<sc_06_09_scene>},
    {"06_10_scene.sc", &make<sc_06_10_scene>},
    {"06_minigame_13.sc", &make<sc_06_minigame_13>},
    {"06_minigame_131.sc", &make<sc_06_minigame_131>},
    {"06_minigame_14.sc", &make<sc_06_minigame_14>},
    {"06_minigame_15.sc", &make<sc_06_minigame_15>},
    {"06_minigame_28.sc", &make<sc_06_minigame_28>},
    {"06_minigame_29.sc", &make<sc_06_minigame_29>},
    {"06_minigame_30.sc", &make<sc_06_minigame_30>},
    {"06_water_switcher.sc", &make<sc_06_water_switcher>},
    {"07_01_scene.sc", &make<sc_07_01_scene>},
    {"07_02_scene.sc", &make<sc_07_02_scene>},
    {"07_03_scene.sc", &make<sc_07_03_scene>},
    {"07_04_scene.sc", &make<sc_07_04_scene>},
    {"07_05_scene.sc", &make<sc_07_05_scene>},
    {"07_tolvane_flash.sc", &make<sc_07_tolvane_flash>},
    {"07_papirus.sc", &make<sc_07_papirus>},
};

const int kScriptCount = static_cast<int>(sizeof(kScripts) / sizeof(kScripts[0]));
} // namespace

CVirtualScript* createScriptByName(const std::string& name)
{
    // Exact and case-sensitive: "00_Fader.sc" and "00_fader" are not names.
    for (const Entry& entry : kScripts)
    {
        if (name == entry.name)
            return entry.create();
    }
    return nullptr;
}

namespace ScriptRegistry
{
int count()
{
    return kScriptCount;
}

const char* nameAt(int index)
{
    return index >= 0 && index < kScriptCount ? kScripts[index].name : nullptr;
}
} // namespace ScriptRegistry
