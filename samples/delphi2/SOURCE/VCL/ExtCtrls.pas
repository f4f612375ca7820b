{ ExtCtrls: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit ExtCtrls;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls;

const
  ExtCtrlsSample = 'Quillmap''s sample of ExtCtrls';

type

  TShape = class(TGraphicControl)
    procedure StyleChanged;
  private
    FShape: Integer;
    procedure SetShape(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property Shape: Integer read FShape write SetShape;
  end;

  TPaintBox = class(TGraphicControl)
  private
    FOnPaint: TNotifyEvent;
  protected
    procedure SignalPaint; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property OnPaint: TNotifyEvent read FOnPaint write FOnPaint;
  end;

  TImage = class(TGraphicControl)
  private
    FCanvas: Boolean;
    FAutoSize: Boolean;
    FCenter: Boolean;
    FIncrementalDisplay: Integer;
    FPicture: TPicture;
    FStretch: Boolean;
    FTransparent: Boolean;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    procedure SetAutoSize(const Value: Boolean);
    procedure SetCenter(const Value: Boolean);
    procedure SetIncrementalDisplay(const Value: Integer);
    procedure SetPicture(const Value: TPicture);
    procedure SetStretch(const Value: Boolean);
    procedure SetTransparent(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Canvas: Boolean read GetCanvas write SetCanvas;
  published
    property AutoSize: Boolean read FAutoSize write SetAutoSize;
    property Center: Boolean read FCenter write SetCenter;
    property IncrementalDisplay: Integer read FIncrementalDisplay write SetIncrementalDisplay;
    property Picture: TPicture read FPicture write SetPicture;
    property Stretch: Boolean read FStretch write SetStretch;
    property Transparent: Boolean read FTransparent write SetTransparent;
  end;

  TBevel = class(TGraphicControl)
  private
    FShape: Integer;
    FStyle: Integer;
    procedure SetShape(const Value: Integer);
    procedure SetStyle(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Shape: Integer read FShape write SetShape;
    property Style: Integer read FStyle write SetStyle;
  end;

  TTimer = class(TComponent)
  private
    FEnabled: Boolean;
    FInterval: Integer;
    FOnTimer: TNotifyEvent;
    procedure SetEnabled(const Value: Boolean);
    procedure SetInterval(const Value: Integer);
    procedure TickArrived(var Msg: TMessage); message WM_TIMER;
  protected
    procedure SignalTimer; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property Enabled: Boolean read FEnabled write SetEnabled default True;
    property Interval: Integer read FInterval write SetInterval default 1000;
    property OnTimer: TNotifyEvent read FOnTimer write FOnTimer;
  end;

  TCustomPanel = class(TCustomControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TPanel = class(TCustomPanel)
  end;

  TPage = class(TCustomControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TNotebook = class(TCustomControl)
  private
    FActivePage: Integer;
    FPageIndex: Integer;
    FPages: Integer;
    FOnPageChanged: TNotifyEvent;
    procedure SetActivePage(const Value: Integer);
    procedure SetPageIndex(const Value: Integer);
    procedure SetPages(const Value: Integer);
  protected
    procedure SignalPageChanged; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property ActivePage: Integer read FActivePage write SetActivePage;
    property PageIndex: Integer read FPageIndex write SetPageIndex;
    property Pages: Integer read FPages write SetPages;
    property OnPageChanged: TNotifyEvent read FOnPageChanged write FOnPageChanged;
  end;

  THeader = class(TCustomControl)
  private
    FSectionWidth: Integer;
    FAllowResize: Integer;
    FBorderStyle: TBorderStyle;
    FSections: Integer;
    FOnSizing: TNotifyEvent;
    FOnSized: TNotifyEvent;
    function GetSectionWidth: Integer;
    procedure SetSectionWidth(const Value: Integer);
    procedure SetAllowResize(const Value: Integer);
    procedure SetBorderStyle(const Value: TBorderStyle);
    procedure SetSections(const Value: Integer);
  protected
    procedure SignalSizing; dynamic;
    procedure SignalSized; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property SectionWidth: Integer read GetSectionWidth write SetSectionWidth;
  published
    property AllowResize: Integer read FAllowResize write SetAllowResize;
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle;
    property Sections: Integer read FSections write SetSections;
    property OnSizing: TNotifyEvent read FOnSizing write FOnSizing;
    property OnSized: TNotifyEvent read FOnSized write FOnSized;
  end;

  TCustomRadioGroup = class(TCustomGroupBox)
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  end;

  TRadioGroup = class(TCustomRadioGroup)
  end;

  TSplitter = class(TGraphicControl)
  private
    FBeveled: Integer;
    FMinSize: Integer;
    FOnMoved: TNotifyEvent;
    procedure SetBeveled(const Value: Integer);
    procedure SetMinSize(const Value: Integer);
  protected
    procedure SignalMoved; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Beveled: Integer read FBeveled write SetBeveled;
    property MinSize: Integer read FMinSize write SetMinSize;
    property OnMoved: TNotifyEvent read FOnMoved write FOnMoved;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TShape }

procedure TShape.SetShape(const Value: Integer);
begin
  if FShape <> Value then
  begin
    FShape := Value;
    StateChanged;
  end;
end;

constructor TShape.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TShape.Destroy;
begin
  ClientWidth := 0;
  inherited Destroy;
end;

procedure TShape.StyleChanged;
begin
  if Hint = '' then
    Hint := ClassName + '''s stylechanged'
  else
    Hint := Trim(Hint);
end;

{ TPaintBox }

procedure TPaintBox.SignalPaint;
begin
  if Assigned(FOnPaint) then
    FOnPaint(Self);
end;

constructor TPaintBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TImage }

function TImage.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TImage.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

procedure TImage.SetAutoSize(const Value: Boolean);
begin
  if FAutoSize <> Value then
  begin
    FAutoSize := Value;
    StateChanged;
  end;
end;

procedure TImage.SetCenter(const Value: Boolean);
begin
  if FCenter <> Value then
  begin
    FCenter := Value;
    StateChanged;
  end;
end;

procedure TImage.SetIncrementalDisplay(const Value: Integer);
begin
  if FIncrementalDisplay <> Value then
  begin
    FIncrementalDisplay := Value;
    StateChanged;
  end;
end;

procedure TImage.SetPicture(const Value: TPicture);
begin
  FPicture.Assign(Value);
  StateChanged;
end;

procedure TImage.SetStretch(const Value: Boolean);
begin
  if FStretch <> Value then
  begin
    FStretch := Value;
    StateChanged;
  end;
end;

procedure TImage.SetTransparent(const Value: Boolean);
begin
  if FTransparent <> Value then
  begin
    FTransparent := Value;
    StateChanged;
  end;
end;

constructor TImage.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FPicture := TPicture.Create;
end;

destructor TImage.Destroy;
begin
  FPicture.Free;
  inherited Destroy;
end;

{ TBevel }

procedure TBevel.SetShape(const Value: Integer);
begin
  if FShape <> Value then
  begin
    FShape := Value;
    StateChanged;
  end;
end;

procedure TBevel.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

constructor TBevel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TTimer }

procedure TTimer.SetEnabled(const Value: Boolean);
begin
  if FEnabled <> Value then
  begin
    FEnabled := Value;
    StateChanged;
  end;
end;

procedure TTimer.SetInterval(const Value: Integer);
begin
  if FInterval <> Value then
  begin
    FInterval := Value;
    StateChanged;
  end;
end;

procedure TTimer.TickArrived(var Msg: TMessage);
begin
  // Every WM_TIMER counts as a change of state.
  StateChanged;
  Msg.Result := 0;
end;

procedure TTimer.SignalTimer;
begin
  if Assigned(FOnTimer) then
    FOnTimer(Self);
end;

constructor TTimer.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FEnabled := True;
  FInterval := 1000;
end;

destructor TTimer.Destroy;
begin
  FInterval := 0;
  inherited Destroy;
end;

{ TCustomPanel }

constructor TCustomPanel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TPage }

constructor TPage.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TNotebook }

procedure TNotebook.SetActivePage(const Value: Integer);
begin
  if FActivePage <> Value then
  begin
    FActivePage := Value;
    StateChanged;
  end;
end;

procedure TNotebook.SetPageIndex(const Value: Integer);
begin
  if FPageIndex <> Value then
  begin
    FPageIndex := Value;
    StateChanged;
  end;
end;

procedure TNotebook.SetPages(const Value: Integer);
begin
  if FPages <> Value then
  begin
    FPages := Value;
    StateChanged;
  end;
end;

procedure TNotebook.SignalPageChanged;
begin
  if Assigned(FOnPageChanged) then
    FOnPageChanged(Self);
end;

constructor TNotebook.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TNotebook.Destroy;
begin
  ActivePage := 0;
  inherited Destroy;
end;

{ THeader }

function THeader.GetSectionWidth: Integer;
begin
  Result := FSectionWidth;
end;

procedure THeader.SetSectionWidth(const Value: Integer);
begin
  if FSectionWidth <> Value then
  begin
    FSectionWidth := Value;
    StateChanged;
  end;
end;

procedure THeader.SetAllowResize(const Value: Integer);
begin
  if FAllowResize <> Value then
  begin
    FAllowResize := Value;
    StateChanged;
  end;
end;

procedure THeader.SetBorderStyle(const Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    StateChanged;
  end;
end;

procedure THeader.SetSections(const Value: Integer);
begin
  if FSections <> Value then
  begin
    FSections := Value;
    StateChanged;
  end;
end;

procedure THeader.SignalSizing;
begin
  if Assigned(FOnSizing) then
    FOnSizing(Self);
end;

procedure THeader.SignalSized;
begin
  if Assigned(FOnSized) then
    FOnSized(Self);
end;

constructor THeader.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor THeader.Destroy;
begin
  Sections := 0;
  inherited Destroy;
end;

{ TCustomRadioGroup }

constructor TCustomRadioGroup.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomRadioGroup.Destroy;
begin
  Controls := 0;
  inherited Destroy;
end;

{ TSplitter }

procedure TSplitter.SetBeveled(const Value: Integer);
begin
  if FBeveled <> Value then
  begin
    FBeveled := Value;
    StateChanged;
  end;
end;

procedure TSplitter.SetMinSize(const Value: Integer);
begin
  if FMinSize <> Value then
  begin
    FMinSize := Value;
    StateChanged;
  end;
end;

procedure TSplitter.SignalMoved;
begin
  if Assigned(FOnMoved) then
    FOnMoved(Self);
end;

constructor TSplitter.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

end.
