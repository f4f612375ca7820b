{ TabNotBk: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit TabNotBk;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls, Tabs;

const
  TabNotBkSample = 'Quillmap''s sample of TabNotBk';

type

  TTabPage = class(TWinControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TTabbedNotebook = class(TCustomControl)
  private
    FTopFont: TFont;
    FActivePage: Integer;
    FPageIndex: Integer;
    FPages: Integer;
    FTabsPerRow: Integer;
    FTabFont: TFont;
    FOnClick: TNotifyEvent;
    FOnChange: TNotifyEvent;
    function GetTopFont: TFont;
    procedure SetTopFont(const Value: TFont);
    procedure SetActivePage(const Value: Integer);
    procedure SetPageIndex(const Value: Integer);
    procedure SetPages(const Value: Integer);
    procedure SetTabsPerRow(const Value: Integer);
    procedure SetTabFont(const Value: TFont);
  protected
    procedure SignalClick; dynamic;
    procedure SignalChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function GetIndexForPage: Integer;
    property TopFont: TFont read GetTopFont write SetTopFont;
  published
    property ActivePage: Integer read FActivePage write SetActivePage;
    property PageIndex: Integer read FPageIndex write SetPageIndex;
    property Pages: Integer read FPages write SetPages;
    property TabsPerRow: Integer read FTabsPerRow write SetTabsPerRow;
    property TabFont: TFont read FTabFont write SetTabFont;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TTabPage }

constructor TTabPage.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TTabbedNotebook }

function TTabbedNotebook.GetTopFont: TFont;
begin
  Result := FTopFont;
end;

procedure TTabbedNotebook.SetTopFont(const Value: TFont);
begin
  FTopFont.Assign(Value);
  StateChanged;
end;

procedure TTabbedNotebook.SetActivePage(const Value: Integer);
begin
  if FActivePage <> Value then
  begin
    FActivePage := Value;
    StateChanged;
  end;
end;

procedure TTabbedNotebook.SetPageIndex(const Value: Integer);
begin
  if FPageIndex <> Value then
  begin
    FPageIndex := Value;
    StateChanged;
  end;
end;

procedure TTabbedNotebook.SetPages(const Value: Integer);
begin
  if FPages <> Value then
  begin
    FPages := Value;
    StateChanged;
  end;
end;

procedure TTabbedNotebook.SetTabsPerRow(const Value: Integer);
begin
  if FTabsPerRow <> Value then
  begin
    FTabsPerRow := Value;
    StateChanged;
  end;
end;

procedure TTabbedNotebook.SetTabFont(const Value: TFont);
begin
  FTabFont.Assign(Value);
  StateChanged;
end;

procedure TTabbedNotebook.SignalClick;
begin
  if Assigned(FOnClick) then
    FOnClick(Self);
end;

procedure TTabbedNotebook.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TTabbedNotebook.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FTopFont := TFont.Create;
  FTabFont := TFont.Create;
end;

destructor TTabbedNotebook.Destroy;
begin
  FTopFont.Free;
  FTabFont.Free;
  inherited Destroy;
end;

function TTabbedNotebook.GetIndexForPage: Integer;
begin
  Result := TabsPerRow * 2 + Ord(ShowHint);
end;

end.
