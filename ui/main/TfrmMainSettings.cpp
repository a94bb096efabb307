// Moving a LaunchSettings into the main window's controls and back.
#include "TfrmMain.h"

namespace tarnwick {
namespace {

// The entry whose text equals the title byte for byte, or -1.
int IndexOfExactly(const forms::ComboBox& list, const std::string& title) {
    for (int i = 0, n = list.Count(); i < n; ++i)
        if (list.Item(i) == title) return i;
    return -1;
}

} // namespace

void TfrmMain::ShowSettings(const LaunchSettings& settings) {
    cbSource.SetSelectedIndex(settings.sourcePort);
    odExecutable.SetFileName(settings.customExecutable);
    cbSkill.SetSelectedIndex(settings.skill);
    cbMaxplayers.SetSelectedIndex(settings.players);
    edtPlayerClass.SetText(settings.playerClass);
    edtMap.SetText(settings.startMap);
    cbTeam.SetSelectedIndex(settings.team);
    edtDemo.SetText(settings.recordDemo);
    sdRecord.SetFileName(settings.recordDemo);
    edtPlay.SetText(settings.playDemo);
    odDemo.SetFileName(settings.playDemo);
    cbFast.SetChecked(settings.fastDemo);
    edtParams.SetText(settings.parameters);

    // An IWAD that the list does not offer leaves nothing selected.
    cbIWAD.SetSelectedIndex(IndexOfExactly(cbIWAD, settings.iwad));
    odIWAD.SetFileName(settings.customIwad);
    lbPwads.SetItems(settings.files);
    edtSave.SetText(settings.loadGame);
    odSave.SetFileName(settings.loadGame);

    edtGravity.SetText(settings.gravity);
    sbAircontrol.SetPosition(settings.airControl);
    sbTeamDamage.SetPosition(settings.friendlyFire);

    cbDeathmatch.SetChecked(settings.deathmatch);
    cbTeamplay.SetChecked(settings.teamplay);
    cbp2p.SetChecked(settings.peerToPeer);
    cbBackup.SetChecked(settings.backupPackets);
    edtUDP.SetText(settings.localPort);
    edtRemote.SetText(settings.remoteHost);
    seFraglimit.SetValue(settings.fragLimit);
    seTimelimit.SetValue(settings.timeLimit);
    sbDup.SetPosition(settings.networkDup);
}

LaunchSettings TfrmMain::Settings() const {
    LaunchSettings settings;
    settings.sourcePort = cbSource.SelectedIndex();
    settings.customExecutable = odExecutable.FileName();
    settings.skill = cbSkill.SelectedIndex();
    settings.players = cbMaxplayers.SelectedIndex();
    settings.playerClass = edtPlayerClass.Text();
    settings.startMap = edtMap.Text();
    settings.team = cbTeam.SelectedIndex();
    settings.recordDemo = edtDemo.Text();
    settings.playDemo = edtPlay.Text();
    settings.fastDemo = cbFast.Checked();
    settings.parameters = edtParams.Text();

    const int iwad = cbIWAD.SelectedIndex();
    settings.iwad = iwad >= 0 ? cbIWAD.Item(iwad) : std::string();
    settings.customIwad = odIWAD.FileName();
    settings.files = lbPwads.Items();
    settings.loadGame = edtSave.Text();

    settings.gravity = edtGravity.Text();
    settings.airControl = sbAircontrol.Position();
    settings.friendlyFire = sbTeamDamage.Position();

    settings.deathmatch = cbDeathmatch.Checked();
    settings.teamplay = cbTeamplay.Checked();
    settings.peerToPeer = cbp2p.Checked();
    settings.backupPackets = cbBackup.Checked();
    settings.localPort = edtUDP.Text();
    settings.remoteHost = edtRemote.Text();
    settings.fragLimit = seFraglimit.Value();
    settings.timeLimit = seTimelimit.Value();
    settings.networkDup = sbDup.Position();
    return settings;
}

} // namespace tarnwick
