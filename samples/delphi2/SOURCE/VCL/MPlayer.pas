{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       MPlayer unit: the media player control          }
{                                                       }
{*******************************************************}

unit MPlayer;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, Menus;

type
  TMPBtnType = (btPlay, btPause, btStop, btNext, btPrev, btStep, btBack,
    btRecord, btEject);
  TButtonSet = set of TMPBtnType;
  TMPGlyph = (mgEnabled, mgDisabled, mgColored);
  TMPDeviceTypes = (dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo,
    dtMMMovie, dtOther, dtOverlay, dtScanner, dtSequencer, dtVCR, dtVideodisc,
    dtWaveAudio);
  TMPTimeFormats = (tfMilliseconds, tfHMS, tfMSF, tfFrames, tfSMPTE24,
    tfSMPTE25, tfSMPTE30, tfSMPTE30Drop, tfBytes, tfSamples, tfTMSF);
  TMPModes = (mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking,
    mpPaused, mpOpen);
  TMPNotifyValues = (nvSuccessful, nvSuperseded, nvAborted, nvFailure);
  TMPDevCaps = (mpCanStep, mpCanEject, mpCanPlay, mpCanRecord, mpUsesWindow);
  TMPDevCapsSet = set of TMPDevCaps;
  TMPBtnEvent = procedure(Sender: TObject; Button: TMPBtnType;
    var DoDefault: Boolean) of object;

  EMCIDeviceError = class(Exception);

  TMediaPlayer = class(TCustomControl)
  private
    FColoredButtons: TButtonSet;
    FEnabledButtons: TButtonSet;
    FVisibleButtons: TButtonSet;
    FAutoEnable: Boolean;
    FAutoOpen: Boolean;
    FAutoRewind: Boolean;
    FDeviceID: Word;
    FDeviceType: TMPDeviceTypes;
    FDisplay: TWinControl;
    FElementName: string;
    FError: Longint;
    FFrames: Integer;
    FFrom: Longint;
    FNotify: Boolean;
    FNotifyValue: TMPNotifyValues;
    FShareable: Boolean;
    FTo: Longint;
    FWait: Boolean;
    FCapabilities: TMPDevCapsSet;
    FOnClick: TMPBtnEvent;
    FOnNotify: TNotifyEvent;
    FOnPostClick: TMPBtnEvent;
    procedure SetAutoEnable(Value: Boolean);
    procedure SetColored(Value: TButtonSet);
    procedure SetDisplay(Value: TWinControl);
    procedure SetEnabledButtons(Value: TButtonSet);
    procedure SetFrom(Value: Longint);
    procedure SetNotify(Value: Boolean);
    procedure SetPosition(Value: Longint);
    procedure SetStart(Value: Longint);
    procedure SetTimeFormat(Value: TMPTimeFormats);
    procedure SetTo(Value: Longint);
    procedure SetVisible(Value: TButtonSet);
    procedure SetWait(Value: Boolean);
    function GetDisplayRect: TRect;
    function GetErrorMessage: string;
    function GetLength: Longint;
    function GetMode: TMPModes;
    function GetPosition: Longint;
    function GetStart: Longint;
    function GetTimeFormat: TMPTimeFormats;
    function GetTrackLength(TrackNum: Integer): Longint;
    function GetTrackPosition(TrackNum: Integer): Longint;
    function GetTracks: Longint;
    procedure SetDisplayRect(Value: TRect);
    procedure CheckIfOpen;
    procedure MMNotify(var Message: TMessage); message MM_MCINOTIFY;
    procedure WMSize(var Message: TWMSize); message WM_SIZE;
  protected
    procedure Loaded; override;
    procedure AutoButtonSet(Btn: TMPBtnType); dynamic;
    procedure Notification(AComponent: TComponent;
      Operation: TOperation); override;
    procedure Paint; override;
    procedure KeyDown(var Key: Word; Shift: TShiftState); override;
    procedure Click(Button: TMPBtnType; var DoDefault: Boolean); dynamic;
    procedure PostClick(Button: TMPBtnType); dynamic;
    procedure DoNotify; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Open;
    procedure Close;
    procedure Play;
    procedure Stop;
    procedure Pause;
    procedure Resume;
    procedure Next;
    procedure Previous;
    procedure Step;
    procedure Back;
    procedure StartRecording;
    procedure Eject;
    procedure Save;
    property TrackLength[TrackNum: Integer]: Longint read GetTrackLength;
    property TrackPosition[TrackNum: Integer]: Longint read GetTrackPosition;
    property Capabilities: TMPDevCapsSet read FCapabilities;
    property Error: Longint read FError;
    property ErrorMessage: string read GetErrorMessage;
    property Start: Longint read GetStart;
    property Length: Longint read GetLength;
    property Tracks: Longint read GetTracks;
    property Frames: Integer read FFrames write FFrames;
    property Mode: TMPModes read GetMode;
    property Position: Longint read GetPosition write SetPosition;
    property Wait: Boolean read FWait write SetWait;
    property From: Longint read FFrom write SetFrom;
    property EndPos: Longint read FTo write SetTo;
    property Notify: Boolean read FNotify write SetNotify;
    property NotifyValue: TMPNotifyValues read FNotifyValue;
    property StartPos: Longint read GetStart write SetStart;
    property DeviceID: Word read FDeviceID;
    property TimeFormat: TMPTimeFormats read GetTimeFormat write SetTimeFormat;
    property DisplayRect: TRect read GetDisplayRect write SetDisplayRect;
  published
    property ColoredButtons: TButtonSet read FColoredButtons write SetColored;
    property Enabled;
    property EnabledButtons: TButtonSet read FEnabledButtons write SetEnabledButtons;
    property VisibleButtons: TButtonSet read FVisibleButtons write SetVisible;
    property AutoEnable: Boolean read FAutoEnable write SetAutoEnable default True;
    property AutoOpen: Boolean read FAutoOpen write FAutoOpen default False;
    property AutoRewind: Boolean read FAutoRewind write FAutoRewind default True;
    property DeviceType: TMPDeviceTypes read FDeviceType write FDeviceType default dtAutoSelect;
    property Display: TWinControl read FDisplay write SetDisplay;
    property FileName: string read FElementName write FElementName;
    property Shareable: Boolean read FShareable write FShareable default False;
    property Visible;
    property ParentShowHint;
    property ShowHint;
    property PopupMenu;
    property TabOrder;
    property TabStop default True;
    property OnClick: TMPBtnEvent read FOnClick write FOnClick;
    property OnEnter;
    property OnExit;
    property OnPostClick: TMPBtnEvent read FOnPostClick write FOnPostClick;
    property OnNotify: TNotifyEvent read FOnNotify write FOnNotify;
  end;

const
  MM_MCINOTIFY = $03B9;

implementation

const
  MCI_OPEN = $0803;
  MCI_CLOSE = $0804;
  MCI_PLAY = $0806;
  MCI_STOP = $0808;
  MCI_PAUSE = $0809;

{ TMediaPlayer }

procedure TMediaPlayer.SetAutoEnable(Value: Boolean);
begin
  if FAutoEnable <> Value then
  begin
    FAutoEnable := Value;
    Invalidate;
  end;
end;

procedure TMediaPlayer.SetColored(Value: TButtonSet);
begin
  if FColoredButtons <> Value then
  begin
    FColoredButtons := Value;
    Invalidate;
  end;
end;

procedure TMediaPlayer.SetDisplay(Value: TWinControl);
begin
  FDisplay := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TMediaPlayer.SetEnabledButtons(Value: TButtonSet);
begin
  if FEnabledButtons <> Value then
  begin
    FEnabledButtons := Value;
    Invalidate;
  end;
end;

procedure TMediaPlayer.SetFrom(Value: Longint);
begin
  if FFrom <> Value then
  begin
    FFrom := Value;
    Invalidate;
  end;
end;

procedure TMediaPlayer.SetNotify(Value: Boolean);
begin
  if FNotify <> Value then
  begin
    FNotify := Value;
    Invalidate;
  end;
end;

procedure TMediaPlayer.SetPosition(Value: Longint);
begin
end;

procedure TMediaPlayer.SetStart(Value: Longint);
begin
end;

procedure TMediaPlayer.SetTimeFormat(Value: TMPTimeFormats);
begin
end;

procedure TMediaPlayer.SetTo(Value: Longint);
begin
  if FTo <> Value then
  begin
    FTo := Value;
    Invalidate;
  end;
end;

procedure TMediaPlayer.SetVisible(Value: TButtonSet);
begin
  if FVisibleButtons <> Value then
  begin
    FVisibleButtons := Value;
    Invalidate;
  end;
end;

procedure TMediaPlayer.SetWait(Value: Boolean);
begin
  if FWait <> Value then
  begin
    FWait := Value;
    Invalidate;
  end;
end;

function TMediaPlayer.GetDisplayRect: TRect;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TMediaPlayer.GetErrorMessage: string;
begin
  Result := '';
end;

function TMediaPlayer.GetLength: Longint;
begin
  Result := 0;
end;

function TMediaPlayer.GetMode: TMPModes;
begin
  Result := mpNotReady;
end;

function TMediaPlayer.GetPosition: Longint;
begin
  Result := 0;
end;

function TMediaPlayer.GetStart: Longint;
begin
  Result := 0;
end;

function TMediaPlayer.GetTimeFormat: TMPTimeFormats;
begin
  Result := tfMilliseconds;
end;

function TMediaPlayer.GetTrackLength(TrackNum: Integer): Longint;
begin
  Result := 0;
end;

function TMediaPlayer.GetTrackPosition(TrackNum: Integer): Longint;
begin
  Result := 0;
end;

function TMediaPlayer.GetTracks: Longint;
begin
  Result := 0;
end;

procedure TMediaPlayer.SetDisplayRect(Value: TRect);
begin
end;

procedure TMediaPlayer.CheckIfOpen;
begin
  if FDeviceID = 0 then
    raise EMCIDeviceError.Create('Device is not open');
end;

procedure TMediaPlayer.MMNotify(var Message: TMessage);
begin
  inherited;
end;

procedure TMediaPlayer.WMSize(var Message: TWMSize);
begin
  inherited;
end;

procedure TMediaPlayer.Loaded;
begin
  inherited Loaded;
end;

procedure TMediaPlayer.AutoButtonSet(Btn: TMPBtnType);
begin
end;

procedure TMediaPlayer.Notification(AComponent: TComponent;
      Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FDisplay then FDisplay := nil;
  end;
end;

procedure TMediaPlayer.Paint;
begin
  with Canvas do
  begin
    Brush.Color := Color;
    Brush.Style := bsSolid;
    FillRect(ClientRect);
  end;
end;

procedure TMediaPlayer.KeyDown(var Key: Word; Shift: TShiftState);
begin
  inherited KeyDown(Key, Shift);
end;

procedure TMediaPlayer.Click(Button: TMPBtnType; var DoDefault: Boolean);
begin
  if Assigned(FOnClick) then FOnClick(Self, Button, DoDefault);
end;

procedure TMediaPlayer.PostClick(Button: TMPBtnType);
begin
end;

procedure TMediaPlayer.DoNotify;
begin
  if Assigned(FOnNotify) then FOnNotify(Self);
end;

constructor TMediaPlayer.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ControlStyle := ControlStyle + [csOpaque];
  FVisibleButtons := [btPlay, btPause, btStop, btNext, btPrev, btStep, btBack,
    btRecord, btEject];
  FEnabledButtons := FVisibleButtons;
  FColoredButtons := FVisibleButtons;
  FAutoEnable := True;
  FAutoRewind := True;
  FDeviceType := dtAutoSelect;
  Width := 240;
  Height := 30;
  TabStop := True;
end;

destructor TMediaPlayer.Destroy;
begin
  if FDeviceID <> 0 then Close;
  inherited Destroy;
end;

procedure TMediaPlayer.Open;
begin
end;

procedure TMediaPlayer.Close;
begin
  if FDeviceID <> 0 then
  begin
    FError := mciSendCommand(FDeviceID, MCI_CLOSE, 0, 0);
    FDeviceID := 0;
  end;
end;

procedure TMediaPlayer.Play;
begin
  CheckIfOpen;
  if FAutoRewind and (Position = Length) then
    Position := Start;
  FError := mciSendCommand(FDeviceID, MCI_PLAY, 0, 0);
end;

procedure TMediaPlayer.Stop;
begin
  CheckIfOpen;
  FError := mciSendCommand(FDeviceID, MCI_STOP, 0, 0);
end;

procedure TMediaPlayer.Pause;
begin
  CheckIfOpen;
  FError := mciSendCommand(FDeviceID, MCI_PAUSE, 0, 0);
end;

procedure TMediaPlayer.Resume;
begin
end;

procedure TMediaPlayer.Next;
begin
end;

procedure TMediaPlayer.Previous;
begin
end;

procedure TMediaPlayer.Step;
begin
end;

procedure TMediaPlayer.Back;
begin
end;

procedure TMediaPlayer.StartRecording;
begin
end;

procedure TMediaPlayer.Eject;
begin
end;

procedure TMediaPlayer.Save;
begin
end;

end.
