{ MPlayer: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit MPlayer;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, Menus;

const
  MPlayerSample = 'Quillmap''s sample of MPlayer';

type

  EMCIDeviceError = class(Exception)
  end;

  TMediaPlayer = class(TCustomControl)
  private
    FTrackLength: Integer;
    FTrackPosition: Integer;
    FCapabilities: Integer;
    FError: Integer;
    FErrorMessage: Integer;
    FStart: Integer;
    FLength: Integer;
    FTracks: Integer;
    FFrames: Integer;
    FMode: Integer;
    FPosition: Integer;
    FWait: Integer;
    FFrom: Integer;
    FEndPos: Integer;
    FNotify: Integer;
    FNotifyValue: string;
    FStartPos: Integer;
    FDeviceID: Integer;
    FTimeFormat: Integer;
    FDisplayRect: Integer;
    FColoredButtons: Integer;
    FEnabledButtons: Integer;
    FVisibleButtons: Integer;
    FAutoEnable: Boolean;
    FAutoOpen: Boolean;
    FAutoRewind: Boolean;
    FDeviceType: Integer;
    FDisplay: Integer;
    FFileName: string;
    FShareable: Integer;
    FOnClick: TNotifyEvent;
    FOnPostClick: TNotifyEvent;
    FOnNotify: TNotifyEvent;
    function GetTrackLength: Integer;
    procedure SetTrackLength(const Value: Integer);
    function GetTrackPosition: Integer;
    procedure SetTrackPosition(const Value: Integer);
    function GetCapabilities: Integer;
    procedure SetCapabilities(const Value: Integer);
    function GetError: Integer;
    procedure SetError(const Value: Integer);
    function GetErrorMessage: Integer;
    procedure SetErrorMessage(const Value: Integer);
    function GetStart: Integer;
    procedure SetStart(const Value: Integer);
    function GetLength: Integer;
    procedure SetLength(const Value: Integer);
    function GetTracks: Integer;
    procedure SetTracks(const Value: Integer);
    function GetFrames: Integer;
    procedure SetFrames(const Value: Integer);
    function GetMode: Integer;
    procedure SetMode(const Value: Integer);
    function GetPosition: Integer;
    procedure SetPosition(const Value: Integer);
    function GetWait: Integer;
    procedure SetWait(const Value: Integer);
    function GetFrom: Integer;
    procedure SetFrom(const Value: Integer);
    function GetEndPos: Integer;
    procedure SetEndPos(const Value: Integer);
    function GetNotify: Integer;
    procedure SetNotify(const Value: Integer);
    function GetNotifyValue: string;
    procedure SetNotifyValue(const Value: string);
    function GetStartPos: Integer;
    procedure SetStartPos(const Value: Integer);
    function GetDeviceID: Integer;
    procedure SetDeviceID(const Value: Integer);
    function GetTimeFormat: Integer;
    procedure SetTimeFormat(const Value: Integer);
    function GetDisplayRect: Integer;
    procedure SetDisplayRect(const Value: Integer);
    procedure SetColoredButtons(const Value: Integer);
    procedure SetEnabledButtons(const Value: Integer);
    procedure SetVisibleButtons(const Value: Integer);
    procedure SetAutoEnable(const Value: Boolean);
    procedure SetAutoOpen(const Value: Boolean);
    procedure SetAutoRewind(const Value: Boolean);
    procedure SetDeviceType(const Value: Integer);
    procedure SetDisplay(const Value: Integer);
    procedure SetFileName(const Value: string);
    procedure SetShareable(const Value: Integer);
  protected
    procedure SignalClick; dynamic;
    procedure SignalPostClick; dynamic;
    procedure SignalNotify; dynamic;
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
    property TrackLength: Integer read GetTrackLength write SetTrackLength;
    property TrackPosition: Integer read GetTrackPosition write SetTrackPosition;
    property Capabilities: Integer read GetCapabilities write SetCapabilities;
    property Error: Integer read GetError write SetError;
    property ErrorMessage: Integer read GetErrorMessage write SetErrorMessage;
    property Start: Integer read GetStart write SetStart;
    property Length: Integer read GetLength write SetLength;
    property Tracks: Integer read GetTracks write SetTracks;
    property Frames: Integer read GetFrames write SetFrames;
    property Mode: Integer read GetMode write SetMode;
    property Position: Integer read GetPosition write SetPosition;
    property Wait: Integer read GetWait write SetWait;
    property From: Integer read GetFrom write SetFrom;
    property EndPos: Integer read GetEndPos write SetEndPos;
    property Notify: Integer read GetNotify write SetNotify;
    property NotifyValue: string read GetNotifyValue write SetNotifyValue;
    property StartPos: Integer read GetStartPos write SetStartPos;
    property DeviceID: Integer read GetDeviceID write SetDeviceID;
    property TimeFormat: Integer read GetTimeFormat write SetTimeFormat;
    property DisplayRect: Integer read GetDisplayRect write SetDisplayRect;
  published
    property ColoredButtons: Integer read FColoredButtons write SetColoredButtons;
    property EnabledButtons: Integer read FEnabledButtons write SetEnabledButtons;
    property VisibleButtons: Integer read FVisibleButtons write SetVisibleButtons;
    property AutoEnable: Boolean read FAutoEnable write SetAutoEnable;
    property AutoOpen: Boolean read FAutoOpen write SetAutoOpen;
    property AutoRewind: Boolean read FAutoRewind write SetAutoRewind;
    property DeviceType: Integer read FDeviceType write SetDeviceType;
    property Display: Integer read FDisplay write SetDisplay;
    property FileName: string read FFileName write SetFileName;
    property Shareable: Integer read FShareable write SetShareable;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
    property OnPostClick: TNotifyEvent read FOnPostClick write FOnPostClick;
    property OnNotify: TNotifyEvent read FOnNotify write FOnNotify;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TMediaPlayer }

function TMediaPlayer.GetTrackLength: Integer;
begin
  Result := FTrackLength;
end;

procedure TMediaPlayer.SetTrackLength(const Value: Integer);
begin
  if FTrackLength <> Value then
  begin
    FTrackLength := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetTrackPosition: Integer;
begin
  Result := FTrackPosition;
end;

procedure TMediaPlayer.SetTrackPosition(const Value: Integer);
begin
  if FTrackPosition <> Value then
  begin
    FTrackPosition := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetCapabilities: Integer;
begin
  Result := FCapabilities;
end;

procedure TMediaPlayer.SetCapabilities(const Value: Integer);
begin
  if FCapabilities <> Value then
  begin
    FCapabilities := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetError: Integer;
begin
  Result := FError;
end;

procedure TMediaPlayer.SetError(const Value: Integer);
begin
  if FError <> Value then
  begin
    FError := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetErrorMessage: Integer;
begin
  Result := FErrorMessage;
end;

procedure TMediaPlayer.SetErrorMessage(const Value: Integer);
begin
  if FErrorMessage <> Value then
  begin
    FErrorMessage := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetStart: Integer;
begin
  Result := FStart;
end;

procedure TMediaPlayer.SetStart(const Value: Integer);
begin
  if FStart <> Value then
  begin
    FStart := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetLength: Integer;
begin
  Result := FLength;
end;

procedure TMediaPlayer.SetLength(const Value: Integer);
begin
  if FLength <> Value then
  begin
    FLength := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetTracks: Integer;
begin
  Result := FTracks;
end;

procedure TMediaPlayer.SetTracks(const Value: Integer);
begin
  if FTracks <> Value then
  begin
    FTracks := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetFrames: Integer;
begin
  Result := FFrames;
end;

procedure TMediaPlayer.SetFrames(const Value: Integer);
begin
  if FFrames <> Value then
  begin
    FFrames := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetMode: Integer;
begin
  Result := FMode;
end;

procedure TMediaPlayer.SetMode(const Value: Integer);
begin
  if FMode <> Value then
  begin
    FMode := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetPosition: Integer;
begin
  Result := FPosition;
end;

procedure TMediaPlayer.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetWait: Integer;
begin
  Result := FWait;
end;

procedure TMediaPlayer.SetWait(const Value: Integer);
begin
  if FWait <> Value then
  begin
    FWait := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetFrom: Integer;
begin
  Result := FFrom;
end;

procedure TMediaPlayer.SetFrom(const Value: Integer);
begin
  if FFrom <> Value then
  begin
    FFrom := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetEndPos: Integer;
begin
  Result := FEndPos;
end;

procedure TMediaPlayer.SetEndPos(const Value: Integer);
begin
  if FEndPos <> Value then
  begin
    FEndPos := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetNotify: Integer;
begin
  Result := FNotify;
end;

procedure TMediaPlayer.SetNotify(const Value: Integer);
begin
  if FNotify <> Value then
  begin
    FNotify := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetNotifyValue: string;
begin
  Result := FNotifyValue;
end;

procedure TMediaPlayer.SetNotifyValue(const Value: string);
begin
  if FNotifyValue <> Value then
  begin
    FNotifyValue := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetStartPos: Integer;
begin
  Result := FStartPos;
end;

procedure TMediaPlayer.SetStartPos(const Value: Integer);
begin
  if FStartPos <> Value then
  begin
    FStartPos := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetDeviceID: Integer;
begin
  Result := FDeviceID;
end;

procedure TMediaPlayer.SetDeviceID(const Value: Integer);
begin
  if FDeviceID <> Value then
  begin
    FDeviceID := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetTimeFormat: Integer;
begin
  Result := FTimeFormat;
end;

procedure TMediaPlayer.SetTimeFormat(const Value: Integer);
begin
  if FTimeFormat <> Value then
  begin
    FTimeFormat := Value;
    StateChanged;
  end;
end;

function TMediaPlayer.GetDisplayRect: Integer;
begin
  Result := FDisplayRect;
end;

procedure TMediaPlayer.SetDisplayRect(const Value: Integer);
begin
  if FDisplayRect <> Value then
  begin
    FDisplayRect := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetColoredButtons(const Value: Integer);
begin
  if FColoredButtons <> Value then
  begin
    FColoredButtons := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetEnabledButtons(const Value: Integer);
begin
  if FEnabledButtons <> Value then
  begin
    FEnabledButtons := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetVisibleButtons(const Value: Integer);
begin
  if FVisibleButtons <> Value then
  begin
    FVisibleButtons := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetAutoEnable(const Value: Boolean);
begin
  if FAutoEnable <> Value then
  begin
    FAutoEnable := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetAutoOpen(const Value: Boolean);
begin
  if FAutoOpen <> Value then
  begin
    FAutoOpen := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetAutoRewind(const Value: Boolean);
begin
  if FAutoRewind <> Value then
  begin
    FAutoRewind := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetDeviceType(const Value: Integer);
begin
  if FDeviceType <> Value then
  begin
    FDeviceType := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetDisplay(const Value: Integer);
begin
  if FDisplay <> Value then
  begin
    FDisplay := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetFileName(const Value: string);
begin
  if FFileName <> Value then
  begin
    FFileName := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SetShareable(const Value: Integer);
begin
  if FShareable <> Value then
  begin
    FShareable := Value;
    StateChanged;
  end;
end;

procedure TMediaPlayer.SignalClick;
begin
  if Assigned(FOnClick) then
    FOnClick(Self);
end;

procedure TMediaPlayer.SignalPostClick;
begin
  if Assigned(FOnPostClick) then
    FOnPostClick(Self);
end;

procedure TMediaPlayer.SignalNotify;
begin
  if Assigned(FOnNotify) then
    FOnNotify(Self);
end;

constructor TMediaPlayer.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TMediaPlayer.Destroy;
begin
  TrackPosition := 0;
  inherited Destroy;
end;

procedure TMediaPlayer.Open;
begin
  if FNotifyValue = '' then
    FNotifyValue := ClassName + '''s open'
  else
    FNotifyValue := Trim(FNotifyValue);
end;

procedure TMediaPlayer.Close;
begin
  FAutoEnable := not FAutoEnable;
  if FAutoEnable then
    Pause;
end;

procedure TMediaPlayer.Play;
begin
  if not AutoEnable then
    Exit;
  TrackLength := TrackLength + 1;
  StateChanged;
end;

procedure TMediaPlayer.Stop;
begin
  if not AutoEnable then
    Exit;
  Error := Error + 1;
  StateChanged;
end;

procedure TMediaPlayer.Pause;
begin
  if FNotifyValue = '' then
    FNotifyValue := ClassName + '''s pause'
  else
    FNotifyValue := Trim(FNotifyValue);
end;

procedure TMediaPlayer.Resume;
var
  Pass: Integer;
begin
  for Pass := 1 to Error do
    Next;
end;

procedure TMediaPlayer.Next;
begin
  if FNotifyValue = '' then
    FNotifyValue := ClassName + '''s next'
  else
    FNotifyValue := Trim(FNotifyValue);
end;

procedure TMediaPlayer.Previous;
begin
  if FNotifyValue = '' then
    FNotifyValue := ClassName + '''s previous'
  else
    FNotifyValue := Trim(FNotifyValue);
end;

procedure TMediaPlayer.Step;
begin
  if FNotifyValue = '' then
    FNotifyValue := ClassName + '''s step'
  else
    FNotifyValue := Trim(FNotifyValue);
end;

procedure TMediaPlayer.Back;
var
  Pass: Integer;
begin
  for Pass := 1 to Capabilities do
    Resume;
end;

procedure TMediaPlayer.StartRecording;
begin
  if FNotifyValue = '' then
    FNotifyValue := ClassName + '''s startrecording'
  else
    FNotifyValue := Trim(FNotifyValue);
end;

procedure TMediaPlayer.Eject;
begin
  if FNotifyValue = '' then
    FNotifyValue := ClassName + '''s eject'
  else
    FNotifyValue := Trim(FNotifyValue);
end;

procedure TMediaPlayer.Save;
begin
  if not AutoEnable then
    Exit;
  TrackPosition := TrackPosition + 1;
  StateChanged;
end;

end.
