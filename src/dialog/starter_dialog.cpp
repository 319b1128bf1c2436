// StarterDialog: construction, the data-exchange and message tables, the
// start-up sequence and the window-message handlers.
#include "dialog/starter_dialog.h"

#include "core/mods/mod_info.h"
#include "dialog/about_dialog.h"
#include "dialog/startup_rules.h"

namespace vs {
namespace {

using D = StarterDialog;

const ControlBinding<D> kControlTable[] = {
    {IDC_HELP_BUTTON, wrapperOf<&D::helpButton>},
    {IDC_START, wrapperOf<&D::startButton>},
    {IDC_AUTOCONVERT, wrapperOf<&D::autoConvertCheck>},
    {IDC_DEVELOPMENT, wrapperOf<&D::developmentCheck>},
    {IDC_APPLICATION_LABEL, wrapperOf<&D::applicationLabel>},
    {IDC_APPLICATION, wrapperOf<&D::applicationCombo>},
    {IDC_DESCRIPTION, wrapperOf<&D::descriptionEdit>},
    {IDC_REPARSE, wrapperOf<&D::reparseCheck>},
    {IDC_PHYSICALFIRST, wrapperOf<&D::physicalFirstCheck>},
    {IDC_CONVERTTEXTURES, wrapperOf<&D::convertTexturesCheck>},
    {IDC_CONVERTALL, wrapperOf<&D::convertAllCheck>},
    {IDC_SPYLEVEL, wrapperOf<&D::spyLevelCombo>},
    {IDC_SPYLEVEL_LABEL, wrapperOf<&D::spyLevelLabel>},
    {IDC_BANNER, wrapperOf<&D::bannerStatic>},
    {IDC_ARCHIVELOG, wrapperOf<&D::archiveLog>},
    {IDC_ACTIONS, wrapperOf<&D::actionsGroup>},
    {IDC_MODLIST, wrapperOf<&D::modList>},
};

const ValueBinding<D> kValueTable[] = {
    check<D>(IDC_CONVERTALL, &D::convertAll),
    check<D>(IDC_CONVERTTEXTURES, &D::convertTextures),
    check<D>(IDC_NOMUSIC, &D::noMusic),
    check<D>(IDC_NOSOUND, &D::noSound),
    check<D>(IDC_PHYSICALFIRST, &D::physicalFirst),
    check<D>(IDC_REPARSE, &D::reparseScripts),
    check<D>(IDC_WINDOWED, &D::windowed),
    text<D>(IDC_DESCRIPTION, &D::descriptionText),
    comboIndex<D>(IDC_SPYLEVEL, &D::spyLevel),
    text<D>(IDC_PARAMETERS, &D::parameters),
    comboIndex<D>(IDC_APPLICATION, &D::startApp),
    check<D>(IDC_DEVELOPMENT, &D::developmentMode),
    check<D>(IDC_AUTOCONVERT, &D::autoConvert),
};

using M = Message;

const MessageEntry<D> kMessageTable[] = {
    {M::sysCommand, 0, &D::OnSysCommand},
    {M::paint, 0, &D::OnPaint},
    {M::queryDragIcon, 0, &D::OnQueryDragIcon},
    {M::listClick, IDC_MODLIST, &D::OnModListClick},
    {M::buttonClicked, IDC_WINDOWED, &D::OnCheckBoxClicked},
    {M::buttonClicked, IDC_NOSOUND, &D::OnCheckBoxClicked},
    {M::buttonClicked, IDC_NOMUSIC, &D::OnCheckBoxClicked},
    {M::buttonClicked, IDC_REPARSE, &D::OnCheckBoxClicked},
    {M::buttonClicked, IDC_CONVERTALL, &D::OnCheckBoxClicked},
    {M::buttonClicked, IDC_CONVERTTEXTURES, &D::OnCheckBoxClicked},
    {M::buttonClicked, IDC_PHYSICALFIRST, &D::OnCheckBoxClicked},
    {M::listDoubleClick, IDC_MODLIST, &D::OnModListDoubleClick},
    {M::listContextMenu, IDC_MODLIST, &D::OnModListContextMenu},
    {M::buttonClicked, IDC_DEVELOPMENT, &D::OnDevelopmentClicked},
    {M::comboSelChange, IDC_APPLICATION, &D::OnApplicationChanged},
    {M::buttonClicked, IDC_HELP_BUTTON, &D::OnHelp},
};

}  // namespace

StarterDialog::StarterDialog(const Services& services)
    : Dialog(IDD_STARTER, services.host), services_(services) {}

StarterDialog::~StarterDialog() = default;

void StarterDialog::DoDataExchange(DataExchange& dx) {
  runExchangeTable(dx, *this, kControlTable, kValueTable);
}

bool StarterDialog::OnMessage(Message message, int controlId, MessageArgs& args) {
  return dispatchMessage(kMessageTable, *this, message, controlId, args);
}

bool StarterDialog::OnInitDialog() {
  if (!Dialog::OnInitDialog())
    return false;

  if (auto directory = programDirectory(services_.location.executablePath())) {
    services_.location.changeDirectory(*directory);
  }

  controls().setCaption(dialogCaption());

  if (controls().hasSystemMenu()) {
    const std::string aboutEntry = host().loadString(IDS_ABOUTBOX);
    if (!aboutEntry.empty())
      controls().appendSystemMenuEntry(IDM_ABOUTBOX, aboutEntry);
  }

  controls().setIcon(IconSize::big, appIcon);
  controls().setIcon(IconSize::little, appIcon);

  openSettingsKey();

  modImages = controls().createImageList(IDB_MODIMAGES, 24, 4, colourRef(255, 255, 255));
  modList.SetImageList(modImages);
  modList.SetIconSpacing(200, 24);

  loadSettings();
  UpdateData(false);
  scanMods();
  applyDevelopmentMode();
  updateStartCaption();
  spyLevelCombo.SetCurSel(spyLevel);
  applicationCombo.SetCurSel(startApp);
  showModDescription(selectedItem);
  for (const std::string& line : earlierAttempt_) appendLog(line);
  return true;
}

void StarterDialog::OnSysCommand(MessageArgs& args) {
  const auto commandId = static_cast<unsigned>(args.wParam);
  // Only the lowest four bits are the window system's own; the rest is the id.
  if ((commandId & ~0xFu) == IDM_ABOUTBOX) {
    AboutDialog about(host());
    about.DoModal(this);
  } else {
    DefaultSysCommand(commandId);
  }
}

void StarterDialog::OnPaint(MessageArgs& args) {
  if (!controls().isMinimised()) {
    args.result = 0;  // the window paints itself
    return;
  }
  const Size at = centredIconPosition(controls().clientSize(), controls().systemIconSize());
  controls().drawIcon(appIcon, at.width, at.height);
}

void StarterDialog::OnQueryDragIcon(MessageArgs& args) {
  args.result = appIcon;
}

void StarterDialog::appendLog(const std::string& line) {
  archiveLog.AddString(line);
  archiveLog.UpdateWindow();
}

}  // namespace vs
